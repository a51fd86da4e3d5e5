// Process-wide language settings shared by the editor and the plug-in: the user-interface
// language (from "kelvoConfig.xml"), whether that file has been read, and the list of languages
// that dictionaries may contain (from the language file). A language's index is its position in
// the list. Used from the GUI thread only.
#pragma once

#include "thes_language.h"

#include <QList>
#include <QString>

class KelvoConfig {
public:
    // "en" until the configuration names another language or, naming none, the locale does.
    static QString uiLanguage();
    static void setUiLanguage(const QString& language);

    // Set after the first attempt to read the configuration, whatever its outcome.
    static bool configParsed();
    static void setConfigParsed();

    static const QList<TheS_Language>& languages();
    static void setLanguages(const QList<TheS_Language>& languages);
    // Index of the first entry whose tag equals tag exactly, or -1.
    static int languageIndex(const QString& tag);
    // The tag of entry index; false when index is outside the list.
    static bool languageTag(int index, QString& tag);

    // Back to the state of a freshly started process (for tests).
    static void reset();
};
