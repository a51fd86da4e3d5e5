#include "kelvocontactsheet.h"

#include "kelvoicons.h"

#include <QPainter>

namespace {

constexpr int kColumns = 4;
constexpr int kCellWidth = 290;
constexpr int kCellHeight = 2 * 96 + 24;

QImage zoomed(const QImage& icon, int factor) {
    return icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void paintCell(QPainter& p, const KelvoIconArt& icon, QPoint at) {
    const QImage small = renderIcon(icon, 22);
    const QImage large = renderIcon(icon, 44);
    p.setPen(Qt::black);
    p.drawText(at + QPoint(4, 16), icon.name);
    const QColor grounds[2] = {QColor(0xf3, 0xf4, 0xf6), QColor(0x33, 0x36, 0x3c)};
    for (int row = 0; row < 2; ++row) {
        const QPoint origin = at + QPoint(0, 24 + row * 96);
        p.fillRect(QRect(origin, QSize(kCellWidth - 8, 92)), grounds[row]);
        p.drawImage(origin + QPoint(2, 2), zoomed(small, 4));
        p.drawImage(origin + QPoint(96, 2), zoomed(large, 2));
        p.drawImage(origin + QPoint(190, 35), small);
        p.drawImage(origin + QPoint(220, 24), large);
    }
}

} // namespace

QImage iconContactSheet() {
    const auto& icons = kelvoIcons();
    const int rows = static_cast<int>((icons.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * kCellWidth, rows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (std::size_t n = 0; n < icons.size(); ++n) {
        const int column = static_cast<int>(n) % kColumns;
        const int row = static_cast<int>(n) / kColumns;
        paintCell(p, icons[n], QPoint(column * kCellWidth + 4, row * kCellHeight));
    }
    return sheet;
}
