// Loads the language list from KELVO_DIR + "kelvoLanguages_" + UI language + ".xml" into
// KelvoConfig, when and only when the list is empty. A missing or rejected file leaves it
// empty (and the next construction tries again).
#pragma once

#include <QString>

class KelvoXmlLanguageFileParser {
public:
    KelvoXmlLanguageFileParser();

    // "kelvoLanguages_" + language + ".xml"
    static QString fileName(const QString& uiLanguage);
};
