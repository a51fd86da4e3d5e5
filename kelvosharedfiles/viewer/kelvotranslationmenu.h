// The dictionary menu as translation settings: the languages a viewer translates from and to,
// and whether it shows the coded word and the ambiguities. The editor's main window and the
// plug-in's context menu both show their choices through it.
#pragma once

#include "kelvotranslationsettings.h"
#include "thes_language.h"

#include <QObject>

class QAction;
class QButtonGroup;
class QMenu;

class KelvoTranslationMenu : public QObject {
    Q_OBJECT
public:
    // The menu is owned by `owner`, as this object is.
    KelvoTranslationMenu(const QList<TheS_Language>& languages, QWidget* owner);

    QMenu* menu() const { return m_menu; }
    const KelvoTranslationSettings& settings() const { return m_settings; }
    // Shows `settings` as the menu's choices; emits nothing.
    void setSettings(const KelvoTranslationSettings& settings);

signals:
    // The user changed a choice.
    void changed(const KelvoTranslationSettings& settings);

private:
    void pick(int KelvoTranslationSettings::*language, int index);
    void readChecks();

    QMenu* m_menu = nullptr;
    QButtonGroup* m_sourceGroup = nullptr;
    QButtonGroup* m_targetGroup = nullptr;
    QAction* m_codedWord = nullptr;
    QAction* m_ambiguities = nullptr;
    KelvoTranslationSettings m_settings;
};
