// The editor's help window: a rich-text browser over the HTML help pages delivered under
// KELVO_DIR, with Backward, Forward and Home buttons.
#pragma once

#include <QMainWindow>
#include <QStringList>

class QAction;
class QTextBrowser;

class KelvoHelpBrowser : public QMainWindow {
    Q_OBJECT
public:
    // The home page, relative to the search paths.
    static QString homePage();
    // KELVO_DIR, KELVO_DIR + "help" and KELVO_DIR + "help/pixs"; relative to the current
    // directory when KELVO_DIR is unset.
    static QStringList installedSearchPaths();

    // Opens `home` (unless empty), looking pages and pictures up in `searchPaths`.
    KelvoHelpBrowser(QWidget* parent, const QString& home, const QStringList& searchPaths,
                     const QString& name);

    QTextBrowser* browser() const { return m_browser; }
    QAction* backwardAction() const { return m_backward; }
    QAction* forwardAction() const { return m_forward; }
    QAction* homeAction() const { return m_home; }

private:
    QTextBrowser* m_browser;
    QAction* m_backward;
    QAction* m_forward;
    QAction* m_home;
};
