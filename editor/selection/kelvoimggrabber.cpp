#include "kelvoimggrabber.h"

#include "kelvoimgselectcopywidget.h"
#include "kelvoselectionicons.h"
#include "kelvousersettings.h"
#include "kelvoviewmenu.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowDesktop = 701;

} // namespace

KelvoImgGrabber::KelvoImgGrabber(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("imgGrabber"));
    setWindowTitle(tr("Kelvo - Image Grabber"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->availableGeometry().width() < kNarrowDesktop) {
        setGeometry(120, 60, 400, 300);
    } else {
        setGeometry(230, 170, 600, 400);
    }

    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_workspace = new QMdiArea(box);
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_workspace);
    setCentralWidget(box);
    connect(m_workspace, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* widget =
                window ? qobject_cast<KelvoImgSelectCopyWidget*>(window->widget()) : nullptr) {
            showToolsFor(widget);
        } else {
            disableTools();
        }
    });

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), tr("&Open"),
                    QKeySequence(Qt::CTRL | Qt::Key_O), this, &KelvoImgGrabber::open);
    file->addSeparator();
    file->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("E&xit"),
                    QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::hide);
    KelvoViewMenu::add(this, m_workspace);

    QToolBar* tools = addToolBar(tr("Image Grabber Tools"));
    tools->setObjectName(QStringLiteral("imgGrabberTools"));
    m_selectRect =
        addTool(KelvoSelectionIcons::rectangle(), tr("Select a rectangular image region"),
                "selectRect", &KelvoImgGrabber::selectRect);
    m_selectPoly = addTool(KelvoSelectionIcons::freehand(), tr("Select any image region"),
                           "selectPoly", &KelvoImgGrabber::selectPoly);
    m_selectAutoPoly = addTool(KelvoSelectionIcons::background(),
                               tr("Select an image region by clicking its background"),
                               "selectAutoPoly", &KelvoImgGrabber::selectAutoPoly);
    auto* group = new QActionGroup(this);
    for (QAction* selection : {m_selectRect, m_selectPoly, m_selectAutoPoly}) {
        selection->setCheckable(true);
        group->addAction(selection);
    }
    m_grabPart = addTool(KelvoSelectionIcons::grab(), tr("Grab selected image region"), "grabPart",
                         &KelvoImgGrabber::grabPart);
    for (QAction* action : {m_selectRect, m_selectPoly, m_selectAutoPoly, m_grabPart}) {
        tools->addAction(action);
    }
    disableTools();
}

QAction* KelvoImgGrabber::addTool(const QIcon& icon, const QString& text, const char* name,
                                  void (KelvoImgGrabber::*slot)()) {
    auto* action = new QAction(icon, text, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

KelvoImgGrabber::~KelvoImgGrabber() {
    m_workspace->disconnect(this);
}

void KelvoImgGrabber::open() {
    QFileDialog dialog(this, tr("Open File"), KelvoUserSettings::lastFolder(),
                       tr("Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)"));
    dialog.setObjectName(QStringLiteral("OpenFileDlg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString name = dialog.selectedFiles().first();
    KelvoUserSettings::rememberFolderOf(name);
    bool hasExtension = false;
    KelvoImgWidget::fileExtension(name, &hasExtension);
    if (hasExtension) {
        openFile(name);
    }
}

bool KelvoImgGrabber::openFile(const QString& fileName) {
    auto* widget = new KelvoImgSelectCopyWidget;
    widget->setObjectName(QStringLiteral("imgWigdet"));
    widget->setAttribute(Qt::WA_DeleteOnClose);
    widget->setZoomMode(KelvoImgWidget::ZoomMode::ShrinkToFit);
    connect(widget, &KelvoImgSelectionWidget::selectionChanged, m_grabPart, &QAction::setEnabled);
    connect(widget, &KelvoImgSelectCopyWidget::windowActivated, this,
            [this, widget] { showToolsFor(widget); });
    connect(widget, &KelvoImgSelectCopyWidget::grabbed, this, &KelvoImgGrabber::grabbed);
    if (!widget->loadImage(fileName)) {
        delete widget;
        return false;
    }
    QMdiSubWindow* window = m_workspace->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    m_workspace->setActiveSubWindow(window);
    return true;
}

KelvoImgSelectCopyWidget* KelvoImgGrabber::activeWindow() const {
    // The window last active, even while the grabber itself is not.
    QMdiSubWindow* window = m_workspace->currentSubWindow();
    return window ? qobject_cast<KelvoImgSelectCopyWidget*>(window->widget()) : nullptr;
}

void KelvoImgGrabber::selectRect() {
    if (KelvoImgSelectCopyWidget* window = activeWindow()) {
        window->disarmAutoSelection();
        window->setSelectionMode(KelvoImgSelectionWidget::RectangleMode);
    }
}

void KelvoImgGrabber::selectPoly() {
    if (KelvoImgSelectCopyWidget* window = activeWindow()) {
        window->disarmAutoSelection();
        window->setSelectionMode(KelvoImgSelectionWidget::FreehandMode);
    }
}

void KelvoImgGrabber::selectAutoPoly() {
    if (KelvoImgSelectCopyWidget* window = activeWindow()) {
        window->armAutoSelection();
    }
}

void KelvoImgGrabber::grabPart() {
    if (KelvoImgSelectCopyWidget* window = activeWindow()) {
        window->grab();
    }
}

void KelvoImgGrabber::showToolsFor(const KelvoImgSelectCopyWidget* window) {
    for (QAction* selection : {m_selectRect, m_selectPoly, m_selectAutoPoly}) {
        selection->setEnabled(true);
    }
    m_grabPart->setEnabled(window->isSelectionClosed());
    QAction* current = window->isAutoArmed() ? m_selectAutoPoly
                       : window->selectionMode() == KelvoImgSelectionWidget::FreehandMode
                           ? m_selectPoly
                           : m_selectRect;
    current->setChecked(true);
}

void KelvoImgGrabber::disableTools() {
    for (QAction* action : {m_selectRect, m_selectPoly, m_selectAutoPoly, m_grabPart}) {
        action->setEnabled(false);
        action->setChecked(false);
    }
}

void KelvoImgGrabber::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // A minimized grabber keeps its pictures.
    if (!event->spontaneous()) {
        m_workspace->closeAllSubWindows();
    }
}
