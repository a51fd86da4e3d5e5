// The pictures opened last, newest first, kept in the user's settings and shown as the
// "Open Recent" menu.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

class KelvoRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;

    // Fills `menu` now and whenever the list changes.
    explicit KelvoRecentFiles(QMenu* menu, QObject* parent = nullptr);

    QStringList files() const;
    // Puts `fileName` first, once, and remembers its folder for the file dialogs.
    void add(const QString& fileName);

signals:
    void openRequested(const QString& fileName);

private:
    void fillMenu();

    QMenu* m_menu;
};
