#include "kelvoappviewerwidget.h"

#include "kelvocodedpicture.h"
#include "kelvomarkeraser.h"
#include "kelvomsgdlg.h"
#include "kelvoqtimage.h"
#include "kelvotextwidget.h"

#include <QMouseEvent>

namespace {

// Palette indices below this one mean "no region" in the id image.
constexpr int kFirstRegionIndex = 2;

} // namespace

KelvoAppViewerWidget::KelvoAppViewerWidget(QWidget* parent, const QString& name,
                                           Qt::WindowFlags flags)
    : KelvoViewerWidget(parent) {
    setObjectName(name);
    if (flags) {
        setWindowFlags(flags);
    }
}

QString KelvoAppViewerWidget::widgetKey() const {
    return QStringLiteral("KELVO_APP_VIEWER_WIDGET");
}

void KelvoAppViewerWidget::copyFrom(const KelvoImgWidget& other) {
    KelvoViewerWidget::copyFrom(other);
    if (const auto* viewer = qobject_cast<const KelvoAppViewerWidget*>(&other)) {
        m_eraseEnabled = viewer->m_eraseEnabled;
    }
}

void KelvoAppViewerWidget::pictureLoaded() {
    clearDecodedData();
    m_eraseEnabled = false;
    m_dictionaryAvailable = false;
    setWindowTitle(m_fileName);
    if (!m_hasCodedData) {
        return;
    }
    m_eraseEnabled = true;
    m_dictionaryAvailable = decodePicture().translatableTexts > 0;
    emit activated(m_eraseEnabled, m_dictionaryAvailable, m_translation);
}

void KelvoAppViewerWidget::paintEvent(QPaintEvent* event) {
    if (isLoaded() && hasFocus()) {
        emit activated(m_eraseEnabled, m_dictionaryAvailable, m_translation);
        emit outlinesStateChanged(true, m_outlinesShown);
    }
    if (m_eraseArmed) {
        // Nothing is highlighted while the user picks a region to erase.
        m_imageRegion = -1;
        m_textRegion = -1;
    }
    KelvoViewerWidget::paintEvent(event);
}

void KelvoAppViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    m_pointerPos = event->position().toPoint();
    m_lookupPos = toImageCoordinates(m_pointerPos);
    if (!m_eraseArmed) {
        updateHover();
    }
}

void KelvoAppViewerWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_eraseArmed) {
        return;
    }
    m_eraseArmed = false;
    setOutlinesShown(false);
    eraseRegionAt(event->position().toPoint());
}

void KelvoAppViewerWidget::viewChanged() {
    KelvoViewerWidget::viewChanged();
    if (!isLoaded()) {
        return;
    }
    // Pinned balloons stay on the same spot of the picture.
    for (auto& [key, objects] : m_regions) {
        KelvoTextWidget* balloon = objects.textWidget;
        if (!balloon || !balloon->isAnchored()) {
            continue;
        }
        const QPoint anchor = fromPreviousView(balloon->pos() + balloon->anchorPoint());
        balloon->placeFor(anchor.x(), anchor.y(), false);
        balloon->move(anchor - balloon->anchorPoint());
        balloon->show();
    }
}

void KelvoAppViewerWidget::eraseData() {
    if (!m_hasCodedData) {
        return;
    }
    int answer = 0;
    if (!showMessage(answer, this, tr("Delete Data"), tr("Delete all the data from the image?"),
                     tr("Yes"), 1, tr("No"), tr("Cancel"))) {
        return;
    }
    if (answer == 1) {
        eraseAll();
    } else if (answer == 2 &&
               showMessage(answer, this, tr("Delete Data"),
                           tr("Select the region in the image\nto be deleted ..."), tr("OK"))) {
        // A balloon left up by the pointer would hold the pointer and take the click that
        // picks the region; the hover step hides everything for a point off the picture.
        m_lookupPos = QPoint(-1, -1);
        updateHover();
        m_eraseArmed = true;
        setOutlinesShown(true);
    }
}

void KelvoAppViewerWidget::eraseAll() {
    KelvoMarkEraser::eraseAll(m_picture);
    setOutlinesShown(false);
    clearDecodedData();
    m_dictionaryAvailable = false;
    m_hasCodedData = false;
    m_eraseEnabled = false;
    setMouseTracking(false);
    m_modified = true;
    update();
    emit outlinesStateChanged(true, false);
    emit eraseStateChanged(false);
    emit replaceRequested(this, QString());
}

void KelvoAppViewerWidget::eraseRegionAt(QPoint widgetPoint) {
    const QPoint lookup = toImageCoordinates(widgetPoint);
    // The id image covers the picture: no pixel there means a point off the picture.
    if (!m_idImage.valid(lookup)) {
        tellNoRegion(tr("Delete data"));
        return;
    }
    const int index = m_idImage.pixelIndex(lookup);
    if (index < kFirstRegionIndex ||
        !KelvoMarkEraser::eraseRegion(m_picture, kelvoFromQImage(m_idImage), index)) {
        tellNoRegion(tr("Delete Data"));
        return;
    }
    m_hasCodedData = KelvoCodedPicture::isCoded(m_picture);
    m_modified = true;
    emit replaceRequested(this, QString());
}

void KelvoAppViewerWidget::tellNoRegion(const QString& caption) {
    int answer = 0;
    showMessage(answer, this, caption, tr("There is no data encoded in this region"), tr("OK"));
}
