#include "kelvoconfig.h"

namespace {

struct ConfigState {
    QString uiLanguage = QStringLiteral("en");
    bool configParsed = false;
    QList<TheS_Language> languages;
};

ConfigState& state() {
    static ConfigState s;
    return s;
}

} // namespace

QString KelvoConfig::uiLanguage() {
    return state().uiLanguage;
}

void KelvoConfig::setUiLanguage(const QString& language) {
    state().uiLanguage = language;
}

bool KelvoConfig::configParsed() {
    return state().configParsed;
}

void KelvoConfig::setConfigParsed() {
    state().configParsed = true;
}

const QList<TheS_Language>& KelvoConfig::languages() {
    return state().languages;
}

void KelvoConfig::setLanguages(const QList<TheS_Language>& languages) {
    state().languages = languages;
}

int KelvoConfig::languageIndex(const QString& tag) {
    const QList<TheS_Language>& list = state().languages;
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].tag == tag)
            return i;
    }
    return -1;
}

bool KelvoConfig::languageTag(int index, QString& tag) {
    const QList<TheS_Language>& list = state().languages;
    if (index < 0 || index >= list.size())
        return false;
    tag = list[index].tag;
    return true;
}

void KelvoConfig::reset() {
    state() = ConfigState();
}
