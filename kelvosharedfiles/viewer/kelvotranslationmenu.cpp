#include "kelvotranslationmenu.h"

#include "kelvodecodehandler.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QMenu>

KelvoTranslationMenu::KelvoTranslationMenu(const QList<TheS_Language>& languages, QWidget* owner)
    : QObject(owner) {
    const KelvoDictionaryMenu built = makeDictionaryMenu(languages, owner);
    m_menu = built.menu;
    m_sourceGroup = built.sourceGroup;
    m_targetGroup = built.targetGroup;
    m_codedWord = built.showCodedWord;
    m_ambiguities = built.showAmbiguities;
    connect(m_sourceGroup, &QButtonGroup::idClicked, this,
            [this](int index) { pick(&KelvoTranslationSettings::source, index); });
    connect(m_targetGroup, &QButtonGroup::idClicked, this,
            [this](int index) { pick(&KelvoTranslationSettings::target, index); });
    for (QAction* check : {m_codedWord, m_ambiguities}) {
        connect(check, &QAction::triggered, this, &KelvoTranslationMenu::readChecks);
    }
}

void KelvoTranslationMenu::setSettings(const KelvoTranslationSettings& settings) {
    m_settings = settings;
    for (auto [group, index] :
         {std::pair{m_sourceGroup, settings.source}, std::pair{m_targetGroup, settings.target}}) {
        if (QAbstractButton* button = group ? group->button(index) : nullptr) {
            button->setChecked(true);
        }
    }
    m_codedWord->setChecked(settings.showCodedWord);
    m_ambiguities->setChecked(settings.showAmbiguities);
}

void KelvoTranslationMenu::pick(int KelvoTranslationSettings::*language, int index) {
    m_settings.*language = index;
    readChecks();
}

void KelvoTranslationMenu::readChecks() {
    m_settings.showCodedWord = m_codedWord->isChecked();
    m_settings.showAmbiguities = m_ambiguities->isChecked();
    emit changed(m_settings);
}
