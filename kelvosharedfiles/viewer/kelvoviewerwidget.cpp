#include "kelvoviewerwidget.h"

#include "kelvodecodehandler.h"
#include "kelvotextwidget.h"
#include "kelvoviewershapedtext.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

KelvoViewerWidget::KelvoViewerWidget(QWidget* parent)
    : KelvoImgWidget(parent), m_pointerWatch(new QTimer(this)) {
    m_testForCodedData = true;
    setMouseTracking(false);
    m_pointerWatch->setInterval(kPointerWatchMs);
    connect(m_pointerWatch, &QTimer::timeout, this, &KelvoViewerWidget::watchPointer);
}

KelvoViewerWidget::~KelvoViewerWidget() {
    // The widgets go with the viewer's children; nothing may point at them meanwhile.
    m_activeText = nullptr;
    m_shownShapedTexts = nullptr;
    m_regions.clear();
}

QString KelvoViewerWidget::widgetKey() const {
    return QStringLiteral("KELVO_VIEWER_WIDGET");
}

void KelvoViewerWidget::clearDecodedData() {
    m_activeText = nullptr;
    m_shownShapedTexts = nullptr;
    m_imageRegion = m_prevImageRegion = m_textRegion = m_prevTextRegion = -1;
    m_shapesRegion = m_prevShapesRegion = -1;
    m_regions.clear();
    // Every annotation widget is a direct child, also one whose map entry a later decode
    // overwrote.
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (qobject_cast<KelvoTextWidget*>(child) || qobject_cast<KelvoViewerShapedText*>(child)) {
            delete child;
        }
    }
    m_idImage = QImage();
    m_outlineImage = QImage();
    if (m_displayed == &m_outlineImage) {
        m_displayed = &m_picture;
    }
    update();
}

DecodeStatistics KelvoViewerWidget::decodePicture() {
    clearDecodedData();
    const DecodeStatistics stats =
        decodeImage(m_picture.copy(), m_idImage, m_outlineImage, m_regions, this);
    setMouseTracking(true);
    return stats;
}

void KelvoViewerWidget::setOutlinesShown(bool on) {
    m_outlinesShown = on;
    m_displayed = on && !m_outlineImage.isNull() ? &m_outlineImage : &m_picture;
    for (auto& [key, objects] : m_regions) {
        for (KelvoViewerShapedText* shapedText : objects.shapedTexts) {
            shapedText->showOutlineBackground(on);
        }
    }
    update();
}

void KelvoViewerWidget::setTranslation(const KelvoTranslationSettings& settings) {
    if (m_regions.empty()) {
        return;
    }
    m_translation = settings;
    for (auto& [key, objects] : m_regions) {
        if (objects.textWidget && objects.textWidget->isDictionaryWidget()) {
            objects.textWidget->showDictionaryText(settings);
        }
    }
}

void KelvoViewerWidget::forwardMouseEvent(QMouseEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        mouseMoveEvent(event);
        break;
    case QEvent::MouseButtonPress:
        mousePressEvent(event);
        break;
    default:
        break;
    }
}

void KelvoViewerWidget::updateWidget() {
    update();
}

int KelvoViewerWidget::regionAt(QPoint lookup) const {
    const int index = m_idImage.pixelIndex(lookup);
    if (index < 0 || index >= m_idImage.colorCount()) {
        return -1;
    }
    const int key = qBlue(m_idImage.color(index));
    return key < 255 ? key : -1;
}

void KelvoViewerWidget::updateHover() {
    if (m_idImage.isNull()) {
        return;
    }
    const int shownBefore = m_imageRegion;
    if (!m_idImage.valid(m_lookupPos)) {
        hideActiveText();
        m_activeText = nullptr;
        forgetTextAndImage();
        hideShapedTexts();
        repaintImageChange(shownBefore);
        return;
    }
    const int key = regionAt(m_lookupPos);
    if (key >= 0) {
        const auto it = m_regions.find(static_cast<uint32_t>(key));
        if (it == m_regions.end()) {
            return;
        }
        hoverRegion(key, it->second);
    } else {
        hoverNoRegion();
    }
    repaintImageChange(shownBefore);
    m_lastPointerPos = m_pointerPos;
}

void KelvoViewerWidget::hoverRegion(int key, const RegionViewerObjects& objects) {
    const bool hasImage = !objects.image.isNull();
    if (objects.textWidget) {
        m_textRegion = key;
        if (key != m_prevTextRegion) {
            hideActiveText();
            m_activeText = objects.textWidget;
            m_prevTextRegion = key;
        }
        if (m_prevImageRegion != -1) {
            m_imageRegion = m_prevImageRegion = -1;
        }
        // A region with an image shows the image instead, so its balloon is not brought up.
        if (!hasImage && !m_activeText->isAnchored() && m_pointerPos != m_lastPointerPos) {
            m_activeText->fitViewer();
            m_activeText->placeFor(m_pointerPos.x(), m_pointerPos.y(), false);
            // Inside the viewer even where neither side of the pointer has room for it.
            const QPoint corner = m_pointerPos - m_activeText->anchorPoint();
            m_activeText->move(
                std::clamp(corner.x(), 0, std::max(0, width() - m_activeText->width())),
                std::clamp(corner.y(), 0, std::max(0, height() - m_activeText->height())));
            m_activeText->raise();
            m_activeText->show();
            m_activeText->grabPointer();
            m_watchedPointer = QCursor::pos();
            m_pointerWatch->start();
        }
    }
    if (hasImage) {
        m_imageRegion = key;
        if (m_textRegion == -1) {
            m_prevImageRegion = key;
        } else {
            m_textRegion = m_prevTextRegion = -1;
            m_prevImageRegion = key;
            hideActiveText();
            m_activeText = nullptr;
        }
    }
    if (!objects.shapedTexts.empty()) {
        m_shapesRegion = key;
        if (key != m_prevShapesRegion) {
            showShapedTexts(objects.shapedTexts);
            m_prevShapesRegion = key;
        }
    }
}

void KelvoViewerWidget::hoverNoRegion() {
    if (m_shownShapedTexts) {
        // Text and image go with the next move.
        hideShapedTexts();
        return;
    }
    if (m_prevImageRegion != -1) {
        m_imageRegion = m_prevImageRegion = -1;
    } else if (m_prevTextRegion != -1) {
        hideActiveText();
        m_activeText = nullptr;
        m_textRegion = m_prevTextRegion = -1;
    }
}

void KelvoViewerWidget::hideActiveText() {
    if (m_activeText && !m_activeText->isAnchored()) {
        m_activeText->releasePointer();
        m_activeText->hide();
    }
}

void KelvoViewerWidget::pointerLeft() {
    m_pointerWatch->stop();
    hideActiveText();
    m_activeText = nullptr;
    resetTextAndImage();
}

void KelvoViewerWidget::watchPointer() {
    if (!m_activeText || m_activeText->isHidden() || m_activeText->isAnchored()) {
        m_pointerWatch->stop();
        return;
    }
    // A pointer that has not moved has not left; this also leaves alone platforms that do not
    // report the pointer's position.
    const QPoint pointer = QCursor::pos();
    if (pointer == m_watchedPointer) {
        return;
    }
    m_watchedPointer = pointer;
    if (!rect().contains(mapFromGlobal(pointer))) {
        pointerLeft();
    }
}

void KelvoViewerWidget::hideShapedTexts() {
    if (!m_shownShapedTexts) {
        return;
    }
    for (KelvoViewerShapedText* shapedText : *m_shownShapedTexts) {
        shapedText->hide();
    }
    m_shownShapedTexts = nullptr;
    m_shapesRegion = m_prevShapesRegion = -1;
}

void KelvoViewerWidget::showShapedTexts(const std::vector<KelvoViewerShapedText*>& shapedTexts) {
    hideShapedTexts();
    m_shownShapedTexts = &shapedTexts;
    for (KelvoViewerShapedText* shapedText : shapedTexts) {
        shapedText->move(toWidgetCoordinates(shapedText->position()));
        shapedText->show();
        shapedText->raise();
    }
}

void KelvoViewerWidget::forgetTextAndImage() {
    m_imageRegion = m_prevImageRegion = m_textRegion = m_prevTextRegion = -1;
}

void KelvoViewerWidget::resetTextAndImage() {
    const int shownBefore = m_imageRegion;
    forgetTextAndImage();
    repaintImageChange(shownBefore);
}

QRect KelvoViewerWidget::imageRect(int key) const {
    if (key < 0) {
        return {};
    }
    const auto it = m_regions.find(static_cast<uint32_t>(key));
    if (it == m_regions.end() || it->second.image.isNull()) {
        return {};
    }
    return toWidgetRect(QRect(it->second.imageOrigin, it->second.image.size()));
}

void KelvoViewerWidget::repaintImageChange(int shownBefore) {
    if (shownBefore != m_imageRegion) {
        update(imageRect(shownBefore) | imageRect(m_imageRegion));
    }
}

void KelvoViewerWidget::paintEvent(QPaintEvent* event) {
    const QImage* image = displayedImage();
    if (!image) {
        return;
    }
    QPainter painter(this);
    paintImage(painter, *image, event);
    const QRect annotation = imageRect(m_imageRegion);
    if (annotation.intersects(event->rect())) {
        painter.drawPixmap(annotation,
                           m_regions.find(static_cast<uint32_t>(m_imageRegion))->second.image);
    }
}

void KelvoViewerWidget::viewChanged() {
    for (auto& [key, objects] : m_regions) {
        if (objects.textWidget) {
            objects.textWidget->updatePlacementLimits();
        }
    }
    if (m_shownShapedTexts) {
        for (KelvoViewerShapedText* shapedText : *m_shownShapedTexts) {
            shapedText->move(toWidgetCoordinates(shapedText->position()));
        }
    }
}

void KelvoViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    m_pointerPos = event->position().toPoint();
    m_lookupPos = toImageCoordinates(m_pointerPos);
    updateHover();
}

void KelvoViewerWidget::enterEvent(QEnterEvent*) {
    resetTextAndImage();
}

void KelvoViewerWidget::leaveEvent(QEvent*) {
    pointerLeft();
}

void KelvoViewerWidget::focusInEvent(QFocusEvent*) {
    resetTextAndImage();
}

void KelvoViewerWidget::focusOutEvent(QFocusEvent*) {
    resetTextAndImage();
}
