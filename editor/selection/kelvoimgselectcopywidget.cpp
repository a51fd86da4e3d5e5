#include "kelvoimgselectcopywidget.h"

#include "kelvocontour.h"
#include "kelvomsgdlg.h"

#include <QMouseEvent>

KelvoImgSelectCopyWidget::KelvoImgSelectCopyWidget(QWidget* parent)
    : KelvoImgSelectionWidget(parent) {}

QString KelvoImgSelectCopyWidget::widgetKey() const {
    return QStringLiteral("KELVO_SELECT_COPY_WIDGET");
}

void KelvoImgSelectCopyWidget::armAutoSelection() {
    int button = 0;
    if (showMessage(button, this, tr("Select Region"), tr("Click on the image background ..."),
                    tr("OK"))) {
        m_autoArmed = true;
    }
    reportActivation();
}

void KelvoImgSelectCopyWidget::grab() {
    if (displayedImage()) {
        emit grabbed(*displayedImage(), imageOutline());
    }
}

void KelvoImgSelectCopyWidget::pictureLoaded() {
    setWindowTitle(fileName());
    reportActivation();
}

void KelvoImgSelectCopyWidget::focusInEvent(QFocusEvent* event) {
    KelvoImgSelectionWidget::focusInEvent(event);
    if (isLoaded()) {
        reportActivation();
    }
}

void KelvoImgSelectCopyWidget::reportActivation() {
    emit windowActivated(selectionMode(), isSelectionClosed());
}

void KelvoImgSelectCopyWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_autoArmed) {
        KelvoImgSelectionWidget::mousePressEvent(event);
    }
}

void KelvoImgSelectCopyWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!m_autoArmed) {
        KelvoImgSelectionWidget::mouseMoveEvent(event);
    }
}

void KelvoImgSelectCopyWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_autoArmed) {
        KelvoImgSelectionWidget::mouseReleaseEvent(event);
        return;
    }
    m_autoArmed = false;
    selectAround(toImageCoordinates(event->position().toPoint()));
    reportActivation();
}

void KelvoImgSelectCopyWidget::selectAround(QPoint imagePoint) {
    const QImage* image = displayedImage();
    QPolygon outline;
    // QImage::pixel() reads palette pictures through their colour table.
    if (image && image->valid(imagePoint) &&
        findContour(*image, outline, image->pixel(imagePoint))) {
        takeOutline(outline);
        return;
    }
    int button = 0;
    showMessage(button, this, tr("Select Region"),
                tr("Unfortunately, no closed contour could be found."), tr("OK"));
}
