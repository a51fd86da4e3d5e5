#include "kelvoapp.h"

#include "kelvoappviewerwidget.h"
#include "kelvocodedimagebuilder.h"
#include "kelvodatamanagewidget.h"
#include "kelvoeditmenu.h"
#include "kelvohelpbrowser.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"
#include "kelvopaths.h"
#include "kelvotexttypedlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

KelvoApp::KelvoApp(QWidget* parent) : KelvoAppBase(parent) {
    imageGrabber()->setGrabCallback([this](const QImage& picture, const QPolygon& outline) {
        insertGrabbedImage(picture, outline);
    });
    connect(workspace(), &QMdiArea::subWindowActivated, this, &KelvoApp::windowActivated);
    kelvoAddEditMenu(this, workspace());
}

KelvoApp::~KelvoApp() {
    // The picture windows go first, while their callbacks still find this window whole.
    disconnect(workspace(), nullptr, this, nullptr);
    qDeleteAll(workspace()->subWindowList());
}

void KelvoApp::closeEvent(QCloseEvent* event) {
    m_exiting = true;
    bool allClosed = true;
    for (QMdiSubWindow* window : workspace()->subWindowList(QMdiArea::CreationOrder)) {
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
    helpBrowser()->hide();
    imageGrabber()->hide();
    htmlGenerator()->hide();
    KelvoAppBase::closeEvent(event);
}

KelvoImgWidget* KelvoApp::activeImageWindow() const {
    // The current window stays current while another top-level window (the image grabber)
    // has the focus.
    const QMdiSubWindow* sub = workspace()->currentSubWindow();
    return sub ? qobject_cast<KelvoImgWidget*>(sub->widget()) : nullptr;
}

KelvoImgEncodeWidget* KelvoApp::asEncoder(KelvoImgWidget* window) {
    return window && window->widgetKey() == QLatin1String("KELVO_ENCODER_WIDGET")
               ? static_cast<KelvoImgEncodeWidget*>(window)
               : nullptr;
}

KelvoImgEncodeWidget* KelvoApp::activeEncoder() const {
    return asEncoder(activeImageWindow());
}

KelvoAppViewerWidget* KelvoApp::activeViewer() const {
    KelvoImgWidget* window = activeImageWindow();
    return window && window->widgetKey() == QLatin1String("KELVO_APP_VIEWER_WIDGET")
               ? static_cast<KelvoAppViewerWidget*>(window)
               : nullptr;
}

void KelvoApp::open() {
    QFileDialog dialog(this, tr("Open File"), KelvoPaths::picturesFolder(),
                       tr("Images (*.bmp *.jpg *.jpeg *.png *.ppm *.xpm)"));
    dialog.setObjectName(QStringLiteral("OpenFileDlg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().first();
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
    KelvoImgEncodeWidget* encoder = asEncoder(window);
    if (encoder && !encoder->plainSaveWanted()) {
        return;
    }
    QFileDialog dialog(this, tr("Save File"), KelvoPaths::picturesFolder(), tr("Images (*.png)"));
    dialog.setObjectName(QStringLiteral("saveFileDlg"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().first().isEmpty()) {
        return;
    }
    const QString fileName = KelvoCodedImageBuilder::pngFileName(dialog.selectedFiles().first());
    if (!window->saveImage(fileName)) {
        int answer = 0;
        showMessage(
            answer, this, tr("Kelvo - Message"),
            tr("The picture could not be saved as \"%1\".").arg(QDir::toNativeSeparators(fileName)),
            tr("OK"));
    }
}

void KelvoApp::selectRect() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->setSelectionMode(KelvoImgSelectionWidget::RectangleMode);
    }
}

void KelvoApp::selectPoly() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->setSelectionMode(KelvoImgSelectionWidget::FreehandMode);
    }
}

KelvoImgEncodeWidget* KelvoApp::encoderWithFreeSelection() {
    KelvoImgEncodeWidget* encoder = activeEncoder();
    if (encoder && !encoder->selectionFree()) {
        int answer = 0;
        showMessage(answer, this, tr("Kelvo - Message"), tr("Selected regions should not overlap."),
                    tr("OK"));
        return nullptr;
    }
    return encoder;
}

void KelvoApp::insertTInfo() {
    KelvoImgEncodeWidget* encoder = encoderWithFreeSelection();
    if (!encoder) {
        return;
    }
    int kind = 0;
    if (!chooseTextType(this, kind)) {
        return;
    }
    if (kind != 0) {
        encoder->insertShapedText(KelvoTextPictures::TextType(kind));
        return;
    }
    QString text;
    if (enterUnformattedText(text, this) && !text.isEmpty()) {
        encoder->attachText(text);
    }
}

void KelvoApp::insertDictEntry() {
    // A dictionary entry covers its region as a text does.
    if (KelvoImgEncodeWidget* encoder = encoderWithFreeSelection()) {
        encoder->createDictEntry();
    }
}

void KelvoApp::insertBInfo() {
    if (activeEncoder()) {
        imageGrabber()->show();
        imageGrabber()->activateWindow();
        imageGrabber()->raise();
    }
}

void KelvoApp::insertGrabbedImage(const QImage& picture, const QPolygon& outline) {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->attachImage(picture, outline);
    }
}

void KelvoApp::buildImg() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->generateCodedImage();
    }
}

void KelvoApp::erase() {
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->eraseData();
    }
}

void KelvoApp::showOutlines() {
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->setOutlinesShown(tool(QStringLiteral("showOutlines"))->isChecked());
    }
}

void KelvoApp::showDataManager(bool on) {
    if (on) {
        if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
            // In the workspace's top-right corner, clear of the menus and the picture's start.
            QWidget* manager = encoder->dataManager();
            manager->move(workspace()->mapToGlobal(
                QPoint(workspace()->width() - manager->frameGeometry().width() - 8, 8)));
            manager->show();
        }
        return;
    }
    for (KelvoImgEncodeWidget* encoder : workspace()->findChildren<KelvoImgEncodeWidget*>()) {
        encoder->dataManager()->hide();
    }
}

void KelvoApp::showSecEntries() {
    storeTranslation();
}

void KelvoApp::showCodedDictItem() {
    storeTranslation();
}

void KelvoApp::translFrom(int index) {
    m_translation.source = index;
    storeTranslation();
}

void KelvoApp::translTo(int index) {
    m_translation.target = index;
    storeTranslation();
}

void KelvoApp::storeTranslation() {
    if (const QAction* coded = dictionaryItem(3)) {
        m_translation.showCodedWord = coded->isChecked();
    }
    if (const QAction* ambiguities = dictionaryItem(4)) {
        m_translation.showAmbiguities = ambiguities->isChecked();
    }
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->setTranslation(m_translation);
    }
}

void KelvoApp::generateHtml() {
    const KelvoImgWidget* window = activeImageWindow();
    if (!window || !window->hasPicture()) {
        return;
    }
    htmlGenerator()->setPicture(window->fileName(), window->picture().width(),
                                window->picture().height());
    htmlGenerator()->show();
    htmlGenerator()->raise();
}
