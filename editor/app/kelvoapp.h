// The editor's main window at work: it opens pictures into the workspace, as viewer windows
// when they carry coded data and as encoder windows when not, and routes every action to the
// active window, which it tells apart by widgetKey().
#pragma once

#include "kelvoappbase.h"
#include "kelvotranslationsettings.h"

class KelvoAppViewerWidget;
class KelvoImgEncodeWidget;
class KelvoImgWidget;

class KelvoApp : public KelvoAppBase {
    Q_OBJECT
public:
    explicit KelvoApp(QWidget* parent = nullptr);
    ~KelvoApp() override;

    // Opens `fileName` (or copies `source` when given) into a new workspace window. False when
    // the file cannot be loaded, after a message naming it and the reason; no window is left
    // then.
    bool openImage(const QString& fileName, KelvoImgWidget* source = nullptr);
    // Opens each picture in turn; those that cannot be loaded are named, each with its reason,
    // in one message at the end.
    void openImages(const QStringList& fileNames);
    // The picture window of the workspace's active window, or null.
    KelvoImgWidget* activeImageWindow() const;
    KelvoImgEncodeWidget* activeEncoder() const;
    // `window` as an encoder window, or null when it is another kind.
    static KelvoImgEncodeWidget* asEncoder(KelvoImgWidget* window);
    // The active encoder when its selection overlaps no text region; otherwise none, after
    // telling the author why.
    KelvoImgEncodeWidget* encoderWithFreeSelection();
    KelvoAppViewerWidget* activeViewer() const;
    const KelvoTranslationSettings& translation() const { return m_translation; }

public slots:
    void open() override;
    void saveP() override;
    void erase() override;
    void selectRect() override;
    void insertTInfo() override;
    void insertBInfo() override;
    void buildImg() override;
    void showOutlines() override;
    void selectPoly() override;
    void showDataManager(bool on) override;
    void switchToEncoder() override;
    void showSecEntries() override;
    void showCodedDictItem() override;
    void translFrom(int index) override;
    void translTo(int index) override;
    void insertDictEntry() override;
    void generateHtml() override;

protected:
    // Closes the picture windows first, oldest first; a window that stays open (its author
    // cancelled, or its data could not be generated or saved) keeps it and the windows after it
    // open, and the main window too.
    void closeEvent(QCloseEvent* event) override;

private:
    // Puts `window` into the workspace, maximized and destroyed on close.
    void addWindow(KelvoImgWidget* window);
    // "Save as" for `window`: asks for the name and saves its picture; an encoder with
    // ungenerated data first offers to generate the coded image instead.
    void saveWindow(KelvoImgWidget* window);
    QString nextWindowName() const;
    // openImage(); a file that cannot be loaded is described in `failure` when given, else in
    // a message.
    bool openWindow(const QString& fileName, KelvoImgWidget* source, QString* failure);
    void connectEncoder(KelvoImgEncodeWidget* encoder);
    void connectViewer(KelvoAppViewerWidget* viewer);
    // Deletes `window` and its workspace frame once the current event is done.
    void discardWindow(KelvoImgWidget* window);
    void insertGrabbedImage(const QImage& picture, const QPolygon& outline);
    void storeTranslation();
    // Sets menus and tool bar for the window that became active.
    void windowActivated();
    void encoderActivated(int mode, bool selectionClosed, bool hasData);
    void viewerActivated(bool eraseEnabled, bool dictionaryAvailable,
                         const KelvoTranslationSettings& settings);
    void encoderStateChanged(bool selectionClosed, bool hasData);
    void windowClosed();

    // Callbacks of the picture windows (context: this window).
    static void statusCallback(void* context, const QString& text, int durationMs);
    static void closeCallback(void* context);
    static void replaceWindowCallback(void* context, KelvoImgWidget* window,
                                      const QString& fileName);
    static void outlinesStateCallback(void* context, bool enabled, bool on);
    static void eraseStateCallback(void* context, bool enabled);
    static void viewerActivatedCallback(void* context, bool eraseEnabled, bool dictionaryAvailable,
                                        const KelvoTranslationSettings& settings);

    int m_windowCounter = 0;
    KelvoTranslationSettings m_translation;
    // Set while the program closes its windows: a picture saved on the way out gets no viewer.
    bool m_exiting = false;
};
