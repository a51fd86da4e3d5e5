// Texts are coded with one byte per character (Latin-1). What a text loses that way, named so
// that the author can find it.
#pragma once

#include <QString>

// The distinct characters of text outside Latin-1, in order of first appearance.
QString kelvoUnstorableCharacters(const QString& text);

// Each character quoted with its code point, comma-separated: "€" (U+20AC), "→" (U+2192).
QString kelvoCharacterNames(const QString& characters);
