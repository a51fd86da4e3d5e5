// The editor's help window: a rich-text browser over the HTML help pages delivered under
// KELVO_DIR, with Backward, Forward and Home buttons; Escape closes it. The English pages lie
// in "help/", their translations under "help/" + language; a page or picture without
// translation is shown in English.
#pragma once

#include <QMainWindow>
#include <QStringList>

class QAction;
class QKeyEvent;
class QTextBrowser;

class KelvoHelpBrowser : public QMainWindow {
    Q_OBJECT
public:
    // The home page, relative to the search paths.
    static QString homePage();
    // KELVO_DIR + "help/" + the user-interface language (unless English), KELVO_DIR,
    // KELVO_DIR + "help" and KELVO_DIR + "help/pixs"; relative to the current directory when
    // KELVO_DIR is unset. Pages link to each other by bare file name, so every page and picture
    // is looked up in the language's folder first.
    static QStringList installedSearchPaths();

    // Opens `home` (unless empty), looking pages and pictures up in `searchPaths`.
    KelvoHelpBrowser(QWidget* parent, const QString& home, const QStringList& searchPaths,
                     const QString& name);

    QTextBrowser* browser() const { return m_browser; }
    QAction* backwardAction() const { return m_backward; }
    QAction* forwardAction() const { return m_forward; }
    QAction* homeAction() const { return m_home; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_browser;
    QAction* m_backward;
    QAction* m_forward;
    QAction* m_home;
};
