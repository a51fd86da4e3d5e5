#include "kelvoimgwidget.h"

#include "kelvocodedpicture.h"
#include "kelvoimagewriter.h"
#include "kelvopicturereader.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

bool isCodecFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

QString failureLine(const QString& fileName, const QString& reason) {
    return QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + reason;
}

// The zooms that zoom in and out step through.
constexpr double kZoomSteps[] = {1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 6, 0.25, 1.0 / 3, 0.5,
                                 2.0 / 3,  1.0,      1.5,     2.0,     3.0,  4.0,     6.0,
                                 8.0,      12.0,     16.0,    24.0,    32.0};
// Zooms closer than this count as the same step.
constexpr double kZoomTolerance = 1e-6;
constexpr int kWheelStep = 120;
// Pixels one wheel notch scrolls.
constexpr int kScrollPerNotch = 60;

int floorToInt(double value) {
    return static_cast<int>(std::floor(value));
}

} // namespace

KelvoImgWidget::KelvoImgWidget(QWidget* parent)
    : QWidget(parent), m_hBar(new QScrollBar(Qt::Horizontal, this)),
      m_vBar(new QScrollBar(Qt::Vertical, this)) {
    setFocusPolicy(Qt::ClickFocus);
    for (QScrollBar* bar : {m_hBar, m_vBar}) {
        bar->hide();
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] { updateView(); });
    }
}

QString KelvoImgWidget::widgetKey() const {
    return QStringLiteral("KELVO_IMG_WIDGET");
}

void KelvoImgWidget::warnNotLoaded(QWidget* parent, const QStringList& failures) {
    const QString text = failures.size() == 1 ? tr("The image could not be loaded:\n%1")
                                              : tr("These images could not be loaded:\n%1");
    QMessageBox::warning(parent, tr("Kelvo - Message"), text.arg(failures.join(QLatin1Char('\n'))),
                         QMessageBox::Ok);
}

bool KelvoImgWidget::loadImage(const QString& fileName, QString* failure) {
    QString reason;
    const QImage loaded = KelvoPictureReader::readFile(fileName, &reason);
    if (loaded.isNull()) {
        m_loaded = false;
        const QString line = failureLine(fileName, reason);
        if (failure) {
            *failure = line;
        } else {
            warnNotLoaded(this, {line});
        }
        return false;
    }
    return setImage(loaded, fileName);
}

bool KelvoImgWidget::setImage(const QImage& image, const QString& fileName) {
    m_loaded = true;
    m_picture = image;
    setMinimumSize(std::min(m_picture.width(), kMinimumSide),
                   std::min(m_picture.height(), kMinimumSide));
    m_fileName = fileName.section(QLatin1Char('/'), -1);
    m_displayed = &m_picture;
    // The codec reads and writes 32-bit RGB pixels in place.
    if (!m_picture.isNull() && !isCodecFormat(m_picture.format())) {
        m_picture.convertTo(m_picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                        : QImage::Format_RGB32);
    }
    if (m_picture.isNull()) {
        warnNotLoaded(this, {failureLine(fileName, tr("the picture has no pixels"))});
        return false;
    }
    m_picturePresent = true;
    if (m_testForCodedData) {
        m_hasCodedData = KelvoCodedPicture::isCoded(m_picture);
        if (m_hasCodedData) {
            emit statusMessage(tr("The image has coded data."), kStatusDurationMs);
        }
    }
    pictureLoaded();
    updateView();
    return true;
}

void KelvoImgWidget::copyFrom(const KelvoImgWidget& other) {
    // The other's minimum, not its size: a window as large as a picture window happened to be
    // would not fit a smaller workspace, and zoom and scroll bars make up for a small one.
    setMinimumSize(other.minimumSize());
    if (!other.m_loaded) {
        return;
    }
    m_picture = other.m_picture.copy();
    m_displayed = &m_picture;
    m_loaded = true;
    m_fileName = other.m_fileName;
    m_picturePresent = other.m_picturePresent;
    m_hasCodedData = other.m_hasCodedData;
    m_modified = other.m_modified;
    m_zoomMode = other.m_zoomMode;
    m_zoom = other.m_zoom;
    pictureLoaded();
    updateView();
}

bool KelvoImgWidget::saveImage(const QString& fileName) {
    if (!writeImageExact(fileName, m_picture, "PNG")) {
        return false;
    }
    m_fileName = fileName.section(QLatin1Char('/'), -1);
    m_modified = false;
    setWindowTitle(m_fileName);
    return true;
}

QString KelvoImgWidget::fileExtension(const QString& fileName, bool* hasExtension) {
    const QFileInfo file(fileName);
    if (hasExtension) {
        *hasExtension = file.fileName().contains(QLatin1Char('.'));
    }
    return file.suffix();
}

QPointF KelvoImgWidget::toPicture(QPoint widgetPoint) const {
    return QPointF(widgetPoint - m_offset) / m_zoom;
}

QPoint KelvoImgWidget::toImageCoordinates(QPoint widgetPoint) const {
    const QPointF point = toPicture(widgetPoint);
    return {floorToInt(point.x()), floorToInt(point.y())};
}

QPoint KelvoImgWidget::imagePointAt(QPoint widgetPoint) const {
    const QPoint pixel = toImageCoordinates(widgetPoint);
    return {std::clamp(pixel.x(), 0, std::max(0, m_picture.width() - 1)),
            std::clamp(pixel.y(), 0, std::max(0, m_picture.height() - 1))};
}

QPoint KelvoImgWidget::toWidgetCoordinates(QPoint pixel) const {
    return m_offset + QPoint(static_cast<int>(std::ceil(pixel.x() * m_zoom - kZoomTolerance)),
                             static_cast<int>(std::ceil(pixel.y() * m_zoom - kZoomTolerance)));
}

QPolygonF KelvoImgWidget::toWidgetPolygon(const QPolygon& pixels) const {
    QPolygonF shown;
    shown.reserve(pixels.size());
    const QPointF centre(0.5 * m_zoom - 0.5, 0.5 * m_zoom - 0.5);
    for (const QPoint& pixel : pixels) {
        shown.append(QPointF(m_offset) + QPointF(pixel) * m_zoom + centre);
    }
    return shown;
}

QRect KelvoImgWidget::toWidgetRect(const QRect& pixels) const {
    return QRect(toWidgetCoordinates(pixels.topLeft()),
                 toWidgetCoordinates(pixels.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

QRect KelvoImgWidget::pictureRect() const {
    return QRect(m_offset, zoomedSize());
}

QRect KelvoImgWidget::viewportRect() const {
    return QRect(0, 0, width() - (m_vBar->isHidden() ? 0 : m_vBar->width()),
                 height() - (m_hBar->isHidden() ? 0 : m_hBar->height()));
}

QPoint KelvoImgWidget::fromPreviousView(QPoint widgetPoint) const {
    const QPointF picturePoint = QPointF(widgetPoint - m_previousOffset) / m_previousZoom;
    return m_offset + (picturePoint * m_zoom).toPoint();
}

QSize KelvoImgWidget::zoomedSize() const {
    if (m_picture.isNull()) {
        return {};
    }
    return {std::max(1, qRound(m_picture.width() * m_zoom)),
            std::max(1, qRound(m_picture.height() * m_zoom))};
}

double KelvoImgWidget::fitZoom() const {
    if (m_picture.isNull() || width() <= 0 || height() <= 0) {
        return 1.0;
    }
    return std::clamp(
        std::min(double(width()) / m_picture.width(), double(height()) / m_picture.height()),
        kMinZoom, kMaxZoom);
}

void KelvoImgWidget::setZoomMode(ZoomMode mode) {
    m_zoomMode = mode;
    updateView();
}

void KelvoImgWidget::setZoom(double zoom, QPoint widgetPoint) {
    const QPointF keep = toPicture(widgetPoint);
    m_zoomMode = ZoomMode::Fixed;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateView(&keep, widgetPoint);
}

void KelvoImgWidget::setZoom(double zoom) {
    setZoom(zoom, viewportRect().center());
}

void KelvoImgWidget::zoomStep(bool in, QPoint widgetPoint) {
    if (in) {
        const auto next =
            std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), m_zoom + kZoomTolerance);
        setZoom(next == std::end(kZoomSteps) ? kMaxZoom : *next, widgetPoint);
    } else {
        const auto next =
            std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), m_zoom - kZoomTolerance);
        setZoom(next == std::begin(kZoomSteps) ? kMinZoom : *(next - 1), widgetPoint);
    }
}

void KelvoImgWidget::zoomIn() {
    zoomStep(true, viewportRect().center());
}

void KelvoImgWidget::zoomOut() {
    zoomStep(false, viewportRect().center());
}

void KelvoImgWidget::fitToWindow() {
    setZoomMode(ZoomMode::Fit);
}

void KelvoImgWidget::actualSize() {
    setZoom(1.0);
}

void KelvoImgWidget::pinToPicture(QWidget* child) {
    const auto it = std::find_if(m_pins.begin(), m_pins.end(),
                                 [child](const Pin& pin) { return pin.widget == child; });
    Pin pin{child, toPicture(child->pos()), child->pos()};
    if (it == m_pins.end()) {
        m_pins.push_back(pin);
    } else {
        *it = pin;
    }
}

QPoint KelvoImgWidget::picturePosition(const QWidget* child) const {
    for (const Pin& pin : m_pins) {
        if (pin.widget == child && pin.placedAt == child->pos()) {
            return pin.picturePos.toPoint();
        }
    }
    return toPicture(child->pos()).toPoint();
}

// A pinned child that was moved since it was placed keeps the picture point it was moved to.
void KelvoImgWidget::placePins(QPoint oldOffset, double oldZoom) {
    m_pins.erase(std::remove_if(m_pins.begin(), m_pins.end(),
                                [](const Pin& pin) { return pin.widget.isNull(); }),
                 m_pins.end());
    for (Pin& pin : m_pins) {
        if (pin.widget->pos() != pin.placedAt) {
            pin.picturePos = QPointF(pin.widget->pos() - oldOffset) / oldZoom;
        }
        pin.placedAt = m_offset + (pin.picturePos * m_zoom).toPoint();
        pin.widget->move(pin.placedAt);
    }
}

void KelvoImgWidget::updateView(const QPointF* keep, QPoint at) {
    if (m_layingOut) {
        return;
    }
    m_layingOut = true;
    // setZoom() may have changed m_zoom already; the children sit where the last layout put
    // them.
    const QPoint oldOffset = m_offset;
    const double oldZoom = m_laidOutZoom;
    if (m_zoomMode == ZoomMode::Fit) {
        m_zoom = fitZoom();
    } else if (m_zoomMode == ZoomMode::ShrinkToFit) {
        m_zoom = std::min(1.0, fitZoom());
    }
    const QSize zoomed = zoomedSize();
    const int barWidth = m_vBar->sizeHint().width();
    const int barHeight = m_hBar->sizeHint().height();
    bool horizontal = zoomed.width() > width();
    bool vertical = zoomed.height() > height();
    vertical = vertical || (horizontal && zoomed.height() > height() - barHeight);
    horizontal = horizontal || (vertical && zoomed.width() > width() - barWidth);
    const QSize view(width() - (vertical ? barWidth : 0), height() - (horizontal ? barHeight : 0));
    m_hBar->setGeometry(0, view.height(), view.width(), barHeight);
    m_vBar->setGeometry(view.width(), 0, barWidth, view.height());
    m_hBar->setVisible(horizontal);
    m_vBar->setVisible(vertical);
    const auto layOut = [](QScrollBar* bar, bool shown, int picture, int room, double keep,
                           int at) {
        bar->setRange(0, shown ? picture - room : 0);
        bar->setPageStep(std::max(1, room));
        bar->setSingleStep(std::max(1, room / 20));
        if (shown && keep >= 0) {
            bar->setValue(qRound(keep) - at);
        }
        // Centred when it fits, scrolled otherwise.
        return shown ? -bar->value() : room / 2 - picture / 2;
    };
    const QPointF kept = keep ? *keep * m_zoom : QPointF(-1, -1);
    m_offset = QPoint(layOut(m_hBar, horizontal, zoomed.width(), view.width(), kept.x(), at.x()),
                      layOut(m_vBar, vertical, zoomed.height(), view.height(), kept.y(), at.y()));
    m_previousOffset = oldOffset;
    m_previousZoom = oldZoom;
    m_laidOutZoom = m_zoom;
    placePins(oldOffset, oldZoom);
    m_layingOut = false;
    viewChanged();
    update();
    if (oldZoom != m_zoom) {
        emit zoomChanged(m_zoom);
    }
}

const QImage& KelvoImgWidget::shrunk(const QImage& image) const {
    if (m_shrunkKey != image.cacheKey() || m_shrunkZoom != m_zoom) {
        m_shrunk = image.scaled(zoomedSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shrunkKey = image.cacheKey();
        m_shrunkZoom = m_zoom;
    }
    return m_shrunk;
}

void KelvoImgWidget::paintImage(QPainter& painter, const QImage& image,
                                const QPaintEvent* event) const {
    const QRect exposed = event->rect() & pictureRect() & viewportRect();
    if (exposed.isEmpty()) {
        return;
    }
    if (m_zoom == 1.0) {
        painter.drawImage(exposed.topLeft(), image, exposed.translated(-m_offset));
    } else if (m_zoom < 1.0) {
        // Shrinking once and copying from the smaller picture beats scaling on every paint.
        painter.drawImage(exposed.topLeft(), shrunk(image), exposed.translated(-m_offset));
    } else {
        // Enlarged pixels stay sharp squares; only the exposed pixels are scaled.
        const QRectF source(toPicture(exposed.topLeft()), QSizeF(exposed.size()) / m_zoom);
        painter.drawImage(QRectF(exposed), image, source);
    }
}

void KelvoImgWidget::paintEvent(QPaintEvent* event) {
    if (const QImage* image = displayedImage()) {
        QPainter painter(this);
        paintImage(painter, *image, event);
    }
}

void KelvoImgWidget::resizeEvent(QResizeEvent*) {
    updateView();
}

void KelvoImgWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Fine-grained wheels add up to whole notches; each notch is one zoom step.
        m_wheelZoom += delta.y();
        while (std::abs(m_wheelZoom) >= kWheelStep) {
            zoomStep(m_wheelZoom > 0, event->position().toPoint());
            m_wheelZoom -= m_wheelZoom > 0 ? kWheelStep : -kWheelStep;
        }
        event->accept();
        return;
    }
    const bool sideways = delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    QScrollBar* bar = sideways ? m_hBar : m_vBar;
    if (bar->isHidden()) {
        event->ignore();
        return;
    }
    const int notches = delta.x() != 0 ? delta.x() : delta.y();
    bar->setValue(bar->value() - notches * kScrollPerNotch / kWheelStep);
    event->accept();
}

bool KelvoImgWidget::closingAllowed() {
    if (!m_modified) {
        return true;
    }
    QMessageBox box(QMessageBox::Information, tr("Kelvo - Message"),
                    tr("The image has been modified.\nDo you want to save it?"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(tr("No"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == no) {
        return true;
    }
    if (box.clickedButton() == save) {
        emit saveRequested(this);
        // A cancelled or failed save must not lose the picture.
        return !m_modified;
    }
    return false;
}

void KelvoImgWidget::closeEvent(QCloseEvent* event) {
    if (!closingAllowed()) {
        event->ignore();
        return;
    }
    emit closed();
    event->accept();
}
