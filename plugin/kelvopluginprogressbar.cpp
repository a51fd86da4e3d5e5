#include "kelvopluginprogressbar.h"

#include <QFontMetrics>
#include <QPainter>

KelvoPluginProgressBar::KelvoPluginProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setAlignment(Qt::AlignCenter);
    setFormat(QString());
    // The received size takes the place of the percentage.
    setTextVisible(false);
}

void KelvoPluginProgressBar::setReceivedBytes(qint64 bytes) {
    // Kept as the bar's format so that text() tells it too.
    setFormat(QString::asprintf("%.2fKB", static_cast<double>(bytes) / 1024.0));
    update();
}

void KelvoPluginProgressBar::paintEvent(QPaintEvent* event) {
    QProgressBar::paintEvent(event);
    const QString received = format();
    if (received.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(received)) / 2;
    const int baseline = (height() - 1) - (height() - metrics.ascent()) / 2;
    painter.drawText(x, baseline, received);
}
