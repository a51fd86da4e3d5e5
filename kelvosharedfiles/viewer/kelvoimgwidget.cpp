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

#include <algorithm>

namespace {

bool isCodecFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

QString failureLine(const QString& fileName, const QString& reason) {
    return QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + reason;
}

} // namespace

KelvoImgWidget::KelvoImgWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
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
    if (m_convertTo32Bits && !m_picture.isNull() && !isCodecFormat(m_picture.format())) {
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
    update();
    return true;
}

void KelvoImgWidget::copyFrom(const KelvoImgWidget& other) {
    setMinimumSize(other.size());
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
    pictureLoaded();
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

QPoint KelvoImgWidget::clampToImage(QPoint widgetPoint) const {
    return {std::clamp(widgetPoint.x(), m_offset.x(),
                       std::max(m_offset.x(), m_offset.x() + m_picture.width() - 1)),
            std::clamp(widgetPoint.y(), m_offset.y(),
                       std::max(m_offset.y(), m_offset.y() + m_picture.height() - 1))};
}

void KelvoImgWidget::paintImage(QPainter& painter, const QImage& image,
                                const QPaintEvent* event) const {
    const QRect exposed = event->rect() & QRect(m_offset, image.size());
    if (!exposed.isEmpty()) {
        painter.drawImage(exposed.topLeft(), image, exposed.translated(-m_offset));
    }
}

void KelvoImgWidget::paintEvent(QPaintEvent* event) {
    if (const QImage* image = displayedImage()) {
        QPainter painter(this);
        paintImage(painter, *image, event);
    }
}

void KelvoImgWidget::resizeEvent(QResizeEvent*) {
    const QPoint old = m_offset;
    m_offset = QPoint(width() / 2 - m_picture.width() / 2, height() / 2 - m_picture.height() / 2);
    m_offsetChange = m_offset - old;
    m_offsetChanged = true;
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
