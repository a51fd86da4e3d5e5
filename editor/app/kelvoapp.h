// The editor's main window. It opens pictures into its workspace, as viewer windows when they
// carry coded data and as encoder windows when not; its actions (menus, tool bar, shortcuts)
// act on the active window; it shows the auxiliary windows (start and about pictures, help
// browser, image grabber, HTML generator) and tells in its status line what each step did.
#pragma once

#include "kelvoappactions.h"

#include <QMainWindow>

class KelvoAppMenus;
class KelvoAppViewerWidget;
class KelvoHelpBrowser;
class KelvoHTMLGenerator;
class KelvoImgEncodeWidget;
class KelvoImgGrabber;
class KelvoImgWidget;
class KelvoInfoWidget;
class KelvoRecentFiles;
class KelvoWorkspace;
struct KelvoTranslationSettings;

class KelvoApp : public QMainWindow {
    Q_OBJECT
public:
    // The start picture hides itself after this time.
    static constexpr int kStartPictureMs = 5000;

    explicit KelvoApp(QWidget* parent = nullptr);
    ~KelvoApp() override;

    // Opens `fileName` (or copies `source` when given) into a new workspace window. False when
    // the file cannot be loaded, after a message naming it and the reason; no window is left
    // then.
    bool openImage(const QString& fileName, KelvoImgWidget* source = nullptr);
    // Opens each picture in turn; those that cannot be loaded are named, each with its reason,
    // in one message at the end.
    void openImages(const QStringList& fileNames);

    KelvoWorkspace* workspace() const { return m_workspace; }
    KelvoImgWidget* activeImageWindow() const;
    KelvoImgEncodeWidget* activeEncoder() const;
    KelvoAppViewerWidget* activeViewer() const;
    QAction* action(KelvoAction id) const;
    KelvoRecentFiles* recentFiles() const { return m_recentFiles; }
    KelvoInfoWidget* startWidget() const { return m_startWidget; }
    KelvoInfoWidget* aboutWidget() const { return m_aboutWidget; }
    KelvoHelpBrowser* helpBrowser() const { return m_helpBrowser; }
    KelvoImgGrabber* imageGrabber() const { return m_imgGrabber; }
    KelvoHTMLGenerator* htmlGenerator() const { return m_htmlGenerator; }

public slots:
    void timerDone();
    void about();
    void help();
    void open();
    void saveP();
    void selectRect();
    void selectPoly();
    void insertTInfo();
    void insertDictEntry();
    void insertBInfo();
    void buildImg();
    void erase();
    void showOutlines();
    void showDataManager(bool on);
    void switchToEncoder();
    void generateHtml();

protected:
    // Closes the picture windows first, oldest first; a window that stays open (its author
    // cancelled, or its data could not be generated or saved) keeps it and the windows after it
    // open, and the main window too.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Picture files dropped on the window are opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectActions();
    void buildAuxiliaryWindows();
    // openImage(); a file that cannot be loaded is described in `failure` when given, else in
    // a message.
    bool openWindow(const QString& fileName, KelvoImgWidget* source, QString* failure);
    // Puts `window` into the workspace and listens to it.
    void addWindow(KelvoImgWidget* window);
    // "Save as" for `window`: asks for the name and saves its picture; an encoder with
    // ungenerated data first offers to generate the coded image instead.
    void saveWindow(KelvoImgWidget* window);
    // Replaces `window` as it asked (see KelvoImgWidget::replaceRequested).
    void replaceWindow(KelvoImgWidget* window, const QString& fileName);
    // The active encoder when its selection overlaps no text region; otherwise none, after
    // telling the author why.
    KelvoImgEncodeWidget* encoderWithFreeSelection();
    // Tells in the status line what the last step added to `encoder`, which had
    // `regionsBefore` regions.
    void reportAttached(KelvoImgEncodeWidget* encoder, size_t regionsBefore);
    void insertGrabbedImage(const QImage& picture, const QPolygon& outline);
    void showStatus(const QString& text);
    // Sets menus and tool bar for the window that became active.
    void windowActivated();
    void viewerActivated(bool eraseEnabled, bool dictionaryAvailable,
                         const KelvoTranslationSettings& settings);
    void translationChanged(const KelvoTranslationSettings& settings);

    KelvoWorkspace* m_workspace = nullptr;
    KelvoAppMenus* m_menus = nullptr;
    KelvoRecentFiles* m_recentFiles = nullptr;
    KelvoInfoWidget* m_startWidget = nullptr;
    KelvoInfoWidget* m_aboutWidget = nullptr;
    KelvoHelpBrowser* m_helpBrowser = nullptr;
    KelvoImgGrabber* m_imgGrabber = nullptr;
    KelvoHTMLGenerator* m_htmlGenerator = nullptr;
    // Set while the program closes its windows: a picture saved on the way out gets no viewer.
    bool m_exiting = false;
};
