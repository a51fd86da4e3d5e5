// The user-interface translation: the configuration ("kelvoConfig.xml") names the language, and
// its messages lie in KELVO_DIR + "kelvo_" + language + ".qm", built from translations/.
#pragma once

class QTranslator;

// Reads the configuration (once per process) and loads the named language's messages into
// `translator`. False when there are none, as for English, which needs no translation.
bool loadUiTranslation(QTranslator& translator);
