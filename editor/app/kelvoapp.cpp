// The main window itself: its parts, opening and saving pictures, and the windows' lifecycle in
// the workspace (opened, turned from viewer into encoder, replaced, closed).
#include "kelvoapp.h"

#include "kelvoappmenus.h"
#include "kelvoappviewerwidget.h"
#include "kelvocodedimagebuilder.h"
#include "kelvoeditmenu.h"
#include "kelvohelpbrowser.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoinfowidget.h"
#include "kelvomsgdlg.h"
#include "kelvopaths.h"
#include "kelvorecentfiles.h"
#include "kelvotranslationmenu.h"
#include "kelvousersettings.h"
#include "kelvoviewmenu.h"
#include "kelvoworkspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

KelvoApp::KelvoApp(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Kelvo - Pictorra"));
    setWindowIcon(kelvoIcon(QStringLiteral("kelvo")));
    setAcceptDrops(true);
    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_workspace = new KelvoWorkspace(box);
    layout->addWidget(m_workspace);
    setCentralWidget(box);
    statusBar();

    m_menus = new KelvoAppMenus(this);
    QMenu* view = m_menus->menu(KelvoMenu::View);
    view->addSeparator();
    KelvoViewMenu::addZoomActions(view, m_workspace);
    m_recentFiles = new KelvoRecentFiles(m_menus->recentFilesMenu(), this);
    connect(m_recentFiles, &KelvoRecentFiles::openRequested, this,
            [this](const QString& fileName) { openImages({fileName}); });
    connectActions();
    buildAuxiliaryWindows();
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &KelvoApp::windowActivated);
    kelvoAddEditMenu(this, m_workspace);
}

KelvoApp::~KelvoApp() {
    // The picture windows go first, while the handlers of their signals still find this
    // window whole.
    disconnect(m_workspace, nullptr, this, nullptr);
    qDeleteAll(m_workspace->subWindowList());
}

void KelvoApp::buildAuxiliaryWindows() {
    m_helpBrowser = new KelvoHelpBrowser(this, KelvoHelpBrowser::homePage(),
                                         KelvoHelpBrowser::installedSearchPaths(),
                                         QStringLiteral("helpBrowser"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() < 701) {
        setGeometry(100, 50, 400, 300);
        m_helpBrowser->setGeometry(150, 30, 500, 450);
    } else {
        setGeometry(200, 150, 600, 400);
        m_helpBrowser->setGeometry(250, 130, 750, 550);
    }

    QTimer::singleShot(kStartPictureMs, this, &KelvoApp::timerDone);
    m_startWidget = new KelvoInfoWidget(this, QStringLiteral("startWidget"));
    m_startWidget->showPicture(KelvoPaths::installPath(QStringLiteral("pixmaps/startImg.png")),
                               false);
    m_startWidget->show();
    m_aboutWidget = new KelvoInfoWidget(this, QStringLiteral("aboutWidget"));
    m_aboutWidget->showPicture(KelvoPaths::installPath(QStringLiteral("pixmaps/kelvoInfo.png")),
                               true);
    // Under the about picture's text, above its rule.
    auto* licence = new QLabel(tr("Kelvo is free software under the MIT licence."), m_aboutWidget);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setGeometry(24, 188, 312, 22);
    m_aboutWidget->hide();

    m_imgGrabber = new KelvoImgGrabber(this);
    m_imgGrabber->hide();
    connect(m_imgGrabber, &KelvoImgGrabber::grabbed, this, &KelvoApp::insertGrabbedImage);
    m_htmlGenerator = new KelvoHTMLGenerator(this);
    m_htmlGenerator->hide();
}

void KelvoApp::connectActions() {
    using A = KelvoAction;
    const std::pair<A, void (KelvoApp::*)()> handlers[] = {
        {A::Open, &KelvoApp::open},
        {A::SaveAs, &KelvoApp::saveP},
        {A::AddData, &KelvoApp::switchToEncoder},
        {A::GenerateHtml, &KelvoApp::generateHtml},
        {A::SelectRect, &KelvoApp::selectRect},
        {A::SelectPoly, &KelvoApp::selectPoly},
        {A::InsertText, &KelvoApp::insertTInfo},
        {A::InsertDictEntry, &KelvoApp::insertDictEntry},
        {A::InsertImage, &KelvoApp::insertBInfo},
        {A::Generate, &KelvoApp::buildImg},
        {A::Erase, &KelvoApp::erase},
        {A::ShowOutlines, &KelvoApp::showOutlines},
        {A::Help, &KelvoApp::help},
        {A::About, &KelvoApp::about},
    };
    for (const auto& [id, handler] : handlers) {
        connect(action(id), &QAction::triggered, this, handler);
    }
    // Through the windows' own close handling, which asks about ungenerated data.
    connect(action(A::Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(A::Overview), &QAction::toggled, this, &KelvoApp::showDataManager);
    connect(action(A::TileWindows), &QAction::triggered, m_workspace, &QMdiArea::tileSubWindows);
    connect(action(A::CascadeWindows), &QAction::triggered, m_workspace,
            &QMdiArea::cascadeSubWindows);
    QMenu* windowMenu = m_menus->menu(KelvoMenu::Window);
    connect(windowMenu, &QMenu::aboutToShow, this, [this, windowMenu] {
        m_workspace->listWindows(windowMenu, m_menus->windowListStart());
    });
    connect(m_menus->translation(), &KelvoTranslationMenu::changed, this,
            &KelvoApp::translationChanged);
}

QAction* KelvoApp::action(KelvoAction id) const {
    return m_menus->action(id);
}

KelvoImgWidget* KelvoApp::activeImageWindow() const {
    return m_workspace->activeImageWindow();
}

KelvoImgEncodeWidget* KelvoApp::activeEncoder() const {
    return m_workspace->activeEncoder();
}

KelvoAppViewerWidget* KelvoApp::activeViewer() const {
    return m_workspace->activeViewer();
}

void KelvoApp::timerDone() {
    m_startWidget->hide();
}

void KelvoApp::about() {
    m_aboutWidget->show();
    m_aboutWidget->raise();
}

void KelvoApp::help() {
    m_helpBrowser->show();
    m_helpBrowser->raise();
    m_helpBrowser->activateWindow();
    m_helpBrowser->setFocus();
}

void KelvoApp::showStatus(const QString& text) {
    statusBar()->showMessage(text, KelvoImgWidget::kStatusDurationMs);
}

void KelvoApp::closeEvent(QCloseEvent* event) {
    m_exiting = true;
    bool allClosed = true;
    for (QMdiSubWindow* window : m_workspace->subWindowList(QMdiArea::CreationOrder)) {
        // An encoder whose coded picture was saved refuses the close but is discarded (hidden).
        if (!window->close() && window->isVisible()) {
            allClosed = false;
            break;
        }
    }
    m_exiting = false;
    if (!allClosed) {
        event->ignore();
        return;
    }
    m_helpBrowser->hide();
    m_imgGrabber->hide();
    m_htmlGenerator->hide();
    QMainWindow::closeEvent(event);
}

void KelvoApp::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    for (KelvoInfoWidget* info : {m_startWidget, m_aboutWidget}) {
        if (info) {
            info->move((width() - info->width()) / 2, (height() - info->height()) / 2);
        }
    }
}

void KelvoApp::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); })) {
        event->acceptProposedAction();
    }
}

void KelvoApp::dropEvent(QDropEvent* event) {
    QStringList fileNames;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            fileNames << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    openImages(fileNames);
}

void KelvoApp::open() {
    QFileDialog dialog(this, tr("Open File"), KelvoUserSettings::lastFolder(),
                       tr("Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)"));
    dialog.setObjectName(QStringLiteral("OpenFileDlg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().first();
    KelvoUserSettings::rememberFolderOf(fileName);
    bool hasExtension = false;
    KelvoImgWidget::fileExtension(fileName, &hasExtension);
    if (hasExtension) {
        openImage(fileName);
    }
}

void KelvoApp::saveP() {
    if (KelvoImgWidget* window = activeImageWindow()) {
        saveWindow(window);
    }
}

void KelvoApp::saveWindow(KelvoImgWidget* window) {
    auto* encoder = qobject_cast<KelvoImgEncodeWidget*>(window);
    if (encoder && !encoder->plainSaveWanted()) {
        return;
    }
    QFileDialog dialog(this, tr("Save File"), KelvoUserSettings::lastFolder(),
                       tr("Images (*.png)"));
    dialog.setObjectName(QStringLiteral("saveFileDlg"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().first().isEmpty()) {
        return;
    }
    const QString fileName = KelvoCodedImageBuilder::pngFileName(dialog.selectedFiles().first());
    KelvoUserSettings::rememberFolderOf(fileName);
    if (!window->saveImage(fileName)) {
        int answer = 0;
        showMessage(
            answer, this, tr("Kelvo - Message"),
            tr("The picture could not be saved as \"%1\".").arg(QDir::toNativeSeparators(fileName)),
            tr("OK"));
        return;
    }
    m_workspace->updateTitle(window);
    showStatus(tr("Saved as \"%1\".").arg(QDir::toNativeSeparators(fileName)));
}

bool KelvoApp::openImage(const QString& fileName, KelvoImgWidget* source) {
    return openWindow(fileName, source, nullptr);
}

void KelvoApp::openImages(const QStringList& fileNames) {
    QStringList failures;
    for (const QString& fileName : fileNames) {
        QString failure;
        if (!openWindow(fileName, nullptr, &failure)) {
            failures << failure;
        }
    }
    if (!failures.isEmpty()) {
        KelvoImgWidget::warnNotLoaded(this, failures);
    }
}

bool KelvoApp::openWindow(const QString& fileName, KelvoImgWidget* source, QString* failure) {
    m_workspace->restartNamesWhenEmpty();
    auto* viewer = new KelvoAppViewerWidget(nullptr, m_workspace->nextWindowName());
    // A picture larger than the workspace opens whole.
    viewer->setZoomMode(KelvoImgWidget::ZoomMode::ShrinkToFit);
    if (source) {
        viewer->copyFrom(*source);
    } else if (!viewer->loadImage(fileName, failure)) {
        delete viewer;
        return false;
    } else {
        m_recentFiles->add(fileName);
    }
    KelvoImgWidget* window = viewer;
    if (!viewer->hasCodedData()) {
        auto* encoder = new KelvoImgEncodeWidget(nullptr, m_workspace->nextWindowName());
        encoder->copyFrom(*viewer);
        delete viewer;
        window = encoder;
    }
    addWindow(window);
    action(KelvoAction::Overview)->setChecked(false);
    if (window->hasCodedData()) {
        showStatus(tr("The image has coded data."));
    }
    return true;
}

void KelvoApp::switchToEncoder() {
    KelvoAppViewerWidget* viewer = activeViewer();
    if (!viewer) {
        return;
    }
    auto* encoder = new KelvoImgEncodeWidget(nullptr, m_workspace->nextWindowName());
    encoder->copyFrom(*viewer);
    // New regions are keyed after the highest key in use: after erasing one region the keys
    // in use are no longer 0 up to the count.
    const int firstKey = viewer->regions().empty() ? 0 : viewer->regions().rbegin()->first + 1;
    encoder->takeOverCodedImage(viewer->outlineImage(), viewer->idImage(), firstKey);
    m_workspace->discardWindow(viewer);
    addWindow(encoder);
    action(KelvoAction::Overview)->setChecked(false);
}

void KelvoApp::addWindow(KelvoImgWidget* window) {
    connect(window, &KelvoImgWidget::saveRequested, this, &KelvoApp::saveWindow);
    connect(window, &KelvoImgWidget::statusMessage, statusBar(), &QStatusBar::showMessage);
    connect(window, &KelvoImgWidget::closed, m_menus, &KelvoAppMenus::showNoWindow);
    connect(window, &KelvoImgWidget::replaceRequested, this, &KelvoApp::replaceWindow);
    if (auto* encoder = qobject_cast<KelvoImgEncodeWidget*>(window)) {
        connect(encoder, &KelvoImgEncodeWidget::stateChanged, this,
                [this, encoder](bool selectionClosed, bool hasData) {
                    m_workspace->updateTitle(encoder);
                    if (encoder == activeImageWindow()) {
                        m_menus->showSelectionState(selectionClosed, hasData);
                    }
                });
        connect(encoder, &KelvoImgEncodeWidget::activated, this,
                [this, encoder](int mode, bool selectionClosed, bool hasData) {
                    if (encoder == activeImageWindow()) {
                        m_menus->showEncoderState(mode, selectionClosed, hasData);
                    }
                });
    } else if (auto* viewer = qobject_cast<KelvoAppViewerWidget*>(window)) {
        connect(viewer, &KelvoAppViewerWidget::activated, this, &KelvoApp::viewerActivated);
        connect(viewer, &KelvoAppViewerWidget::outlinesStateChanged, m_menus,
                &KelvoAppMenus::showOutlinesState);
        connect(viewer, &KelvoAppViewerWidget::eraseStateChanged, action(KelvoAction::Erase),
                &QAction::setEnabled);
    }
    m_workspace->addWindow(window);
    windowActivated();
}

void KelvoApp::replaceWindow(KelvoImgWidget* window, const QString& fileName) {
    if (m_exiting) {
        m_workspace->discardWindow(window);
        return;
    }
    // A saved picture that cannot be opened again leaves the window that holds its data.
    if (!openImage(fileName, fileName.isEmpty() ? window : nullptr)) {
        return;
    }
    m_workspace->discardWindow(window);
    showStatus(fileName.isEmpty() ? tr("Coded data erased; the picture is not saved yet.")
                                  : tr("Coded image generated and saved as \"%1\".")
                                        .arg(QDir::toNativeSeparators(fileName)));
}

void KelvoApp::windowActivated() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        m_menus->showEncoderState(encoder->selectionMode(), encoder->isSelectionClosed(),
                                  encoder->hasData());
    } else if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewerActivated(viewer->eraseEnabled(), viewer->dictionaryAvailable(),
                        viewer->translation());
    }
}

void KelvoApp::viewerActivated(bool eraseEnabled, bool dictionaryAvailable,
                               const KelvoTranslationSettings& settings) {
    m_menus->showViewerState(eraseEnabled, dictionaryAvailable);
    if (dictionaryAvailable) {
        m_menus->translation()->setSettings(settings);
    }
}

void KelvoApp::translationChanged(const KelvoTranslationSettings& settings) {
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->setTranslation(settings);
    }
}
