#include "kelvotranslationmenu.h"

#include "kelvodecodehandler.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QMenu>

namespace {

// The data of the menu's check items "Show coded word" and "Show ambiguities".
constexpr int kShowCodedWordItem = 3;
constexpr int kShowAmbiguitiesItem = 4;

QAction* checkItem(const QMenu* menu, int item) {
    for (QAction* action : menu->actions()) {
        if (action->isCheckable() && action->data().toInt() == item) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

KelvoTranslationMenu::KelvoTranslationMenu(const QList<TheS_Language>& languages, QWidget* owner)
    : QObject(owner) {
    m_menu =
        buildDictionaryMenu(languages, owner,
                            {[this](int index) { pick(&KelvoTranslationSettings::source, index); },
                             [this](int index) { pick(&KelvoTranslationSettings::target, index); },
                             [this] { readChecks(); }, [this] { readChecks(); }},
                            m_sourceGroup, m_targetGroup);
    m_codedWord = checkItem(m_menu, kShowCodedWordItem);
    m_ambiguities = checkItem(m_menu, kShowAmbiguitiesItem);
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
