#include "kelvouitranslation.h"

#include "kelvoconfig.h"
#include "kelvopaths.h"
#include "kelvoxmlconfigfileparser.h"

#include <QTranslator>

bool loadUiTranslation(QTranslator& translator) {
    KelvoXmlConfigFileParser readConfiguration;
    // The configuration may wrap the language in white space.
    const QString language = KelvoConfig::uiLanguage().trimmed();
    return translator.load(KelvoPaths::installPath(QStringLiteral("kelvo_") + language),
                           QStringLiteral("."));
}
