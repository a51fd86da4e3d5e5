// The editor's main window: menus, tool bar, the workspace for picture windows, and the
// auxiliary windows (start and about pictures, help browser, image grabber, HTML generator).
// Its slots are the actions' entry points; KelvoApp says what they do with the active window.
#pragma once

#include <QMainWindow>

#include <map>

class KelvoHelpBrowser;
class KelvoHTMLGenerator;
class KelvoImgGrabber;
class KelvoInfoWidget;
class QAction;
class QActionGroup;
class QButtonGroup;
class QMdiArea;
class QMenu;

class KelvoAppBase : public QMainWindow {
    Q_OBJECT
public:
    // The start picture hides itself after this time.
    static constexpr int kStartPictureMs = 5000;

    explicit KelvoAppBase(QWidget* parent = nullptr);

    QMdiArea* workspace() const { return m_workspace; }
    // A tool-bar action by its object name ("erase", "selectRect", ... "buildImg").
    QAction* tool(const QString& name) const;
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* overviewAction() const { return m_overview; }
    QAction* addDataAction() const { return m_addData; }
    QAction* generateHtmlAction() const { return m_generateHtml; }
    QAction* dictionaryMenuAction() const { return m_dictionaryMenu; }
    KelvoInfoWidget* startWidget() const { return m_startWidget; }
    KelvoInfoWidget* aboutWidget() const { return m_aboutWidget; }
    KelvoHelpBrowser* helpBrowser() const { return m_helpBrowser; }
    KelvoImgGrabber* imageGrabber() const { return m_imgGrabber; }
    KelvoHTMLGenerator* htmlGenerator() const { return m_htmlGenerator; }

public slots:
    virtual void open() = 0;
    virtual void saveP() = 0;
    virtual void erase() = 0;
    virtual void selectRect() = 0;
    virtual void insertTInfo() = 0;
    virtual void insertBInfo() = 0;
    virtual void buildImg() = 0;
    virtual void showOutlines() = 0;
    virtual void selectPoly() = 0;
    virtual void showDataManager(bool on) = 0;
    virtual void switchToEncoder() = 0;
    virtual void showSecEntries() = 0;
    virtual void showCodedDictItem() = 0;
    virtual void translFrom(int index) = 0;
    virtual void translTo(int index) = 0;
    virtual void insertDictEntry() = 0;
    virtual void generateHtml() = 0;
    void timerDone();
    void about();
    void help();

protected:
    void resizeEvent(QResizeEvent* event) override;

    // Switches the selection buttons off; the group lets none be on.
    void releaseSelectionButtons();
    // The dictionary menu's items "Show coded word" (3) and "Show ambiguities" (4).
    QAction* dictionaryItem(int item) const;

    QButtonGroup* m_sourceGroup = nullptr;
    QButtonGroup* m_targetGroup = nullptr;

private:
    void buildMenus();
    void buildToolBar();

    QMdiArea* m_workspace = nullptr;
    std::map<QString, QAction*> m_tools;
    QActionGroup* m_selectionGroup = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_overview = nullptr;
    QAction* m_addData = nullptr;
    QAction* m_generateHtml = nullptr;
    QAction* m_dictionaryMenu = nullptr;
    QMenu* m_dictionary = nullptr;
    KelvoInfoWidget* m_startWidget = nullptr;
    KelvoInfoWidget* m_aboutWidget = nullptr;
    KelvoHelpBrowser* m_helpBrowser = nullptr;
    KelvoImgGrabber* m_imgGrabber = nullptr;
    KelvoHTMLGenerator* m_htmlGenerator = nullptr;
};
