#include "kelvopictures.h"

#include "kelvoartkit.h"
#include "kelvoicons.h"

#include <QLinearGradient>

using namespace KelvoArt;

namespace {

QFont font(int pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The blue backdrop of both pictures, with a scatter of pixel squares fading towards the left:
// the pixels that carry the hidden data.
void paintBackdrop(QPainter& p, const QRect& area) {
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0, navy);
    gradient.setColorAt(1, blue);
    p.fillRect(area, gradient);
    quint32 state = 0x9e3779b9u; // a fixed seed keeps the pattern the same on every run
    constexpr int cell = 12;
    for (int y = area.top() + 4; y + cell <= area.bottom(); y += cell) {
        for (int x = area.left() + area.width() / 2; x + cell <= area.right(); x += cell) {
            state = state * 1664525u + 1013904223u;
            const int chance = (x - area.left() - area.width() / 2) * 100 / (area.width() / 2);
            if (static_cast<int>(state >> 25) % 100 < chance / 2) {
                p.fillRect(QRect(x, y, cell - 3, cell - 3),
                           QColor(255, 255, 255, 18 + static_cast<int>(state >> 28) * 3));
            }
        }
    }
}

// The program icon with a soft shadow and a light rim, so that it stands out from the backdrop.
void paintLogo(QPainter& p, const QPointF& at, int size) {
    const qreal unit = size / 22.0;
    const QRectF tile(at + QPointF(unit, unit), QSizeF(20 * unit, 20 * unit));
    p.setPen(Qt::NoPen);
    for (int n = 4; n >= 1; --n) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(tile.translated(0, unit * 0.6).adjusted(-n, -n, n, n), 4.5 * unit + n,
                          4.5 * unit + n);
    }
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawRoundedRect(tile.adjusted(-1.5, -1.5, 1.5, 1.5), 4.5 * unit + 1.5, 4.5 * unit + 1.5);
    p.save();
    p.translate(at);
    p.scale(size / 22.0, size / 22.0);
    paintProgramIcon(p);
    p.restore();
}

QImage newPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(paper);
    return image;
}

} // namespace

QImage startPicture(const QString& version) {
    QImage image = newPicture(360, 240);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackdrop(p, image.rect());
    paintLogo(p, {28, 62}, 92);

    p.setPen(paper);
    p.setFont(font(50, QFont::Bold));
    p.drawText(QPointF(138, 122), QStringLiteral("Kelvo"));
    p.setPen(QColor(0xd6, 0xe6, 0xff));
    p.setFont(font(14));
    p.drawText(QPointF(140, 148), QStringLiteral("Notes hidden in pictures"));
    p.setPen(QColor(0xa9, 0xc4, 0xee));
    p.setFont(font(11));
    p.drawText(QRect(30, 0, 300, 228), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Version ") + version);
    p.setPen(QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 359, 239));
    return image;
}

QImage aboutPicture(const QString& version) {
    QImage image = newPicture(360, 260);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), QColor(0xf6, 0xf8, 0xfb));
    paintBackdrop(p, QRect(0, 0, 360, 104));
    paintLogo(p, {24, 20}, 64);

    p.setPen(paper);
    p.setFont(font(34, QFont::Bold));
    p.drawText(QPointF(104, 58), QStringLiteral("Kelvo"));
    p.setPen(QColor(0xd6, 0xe6, 0xff));
    p.setFont(font(13));
    p.drawText(QPointF(106, 82), QStringLiteral("Version ") + version);

    p.setPen(ink);
    p.setFont(font(13));
    p.drawText(QRect(24, 120, 312, 90), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Kelvo hides texts, speech bubbles, dictionary terms and image "
                              "snippets in the pixels of a picture and shows them again "
                              "wherever the pointer moves over the annotated regions."));
    p.setPen(QColor(0xd5, 0xdc, 0xe6));
    p.drawLine(QPointF(24, 215.5), QPointF(336, 215.5));
    p.setPen(QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 359, 259));
    return image;
}

QImage harbourPicture() {
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(110, 165, 220));
    sky.setColorAt(1, QColor(215, 232, 245));
    p.fillRect(0, 0, 400, 170, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 120));
    p.drawEllipse(QPoint(70, 55), 28, 28);
    p.setBrush(QColor(120, 160, 110));
    p.drawEllipse(QRect(-60, 120, 260, 110));
    p.setBrush(QColor(95, 140, 95));
    p.drawEllipse(QRect(230, 110, 260, 120));
    QLinearGradient sea(0, 165, 0, 300);
    sea.setColorAt(0, QColor(60, 120, 170));
    sea.setColorAt(1, QColor(25, 70, 120));
    p.fillRect(0, 165, 400, 135, sea);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int y = 185; y < 300; y += 22) {
        for (int x = (y / 22) % 2 * 30; x < 400; x += 60) {
            p.drawLine(x, y, x + 22, y);
        }
    }
    // The lighthouse on its rock.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 100, 95));
    p.drawEllipse(QRect(270, 150, 90, 35));
    const QPolygon tower{QPoint(300, 160), QPoint(330, 160), QPoint(323, 70), QPoint(307, 70)};
    p.setBrush(QColor(245, 245, 240));
    p.drawPolygon(tower);
    p.setBrush(QColor(200, 50, 45));
    for (int y : {140, 105}) {
        p.drawRect(QRectF(300 + (160 - y) * 0.08, y, 30 - (160 - y) * 0.16, 14));
    }
    p.setBrush(QColor(60, 60, 65));
    p.drawRect(303, 56, 24, 14);
    p.setBrush(QColor(255, 230, 130));
    p.drawRect(307, 59, 16, 9);
    p.setBrush(QColor(200, 50, 45));
    p.drawPolygon(QPolygon{QPoint(300, 56), QPoint(330, 56), QPoint(315, 42)});
    // The boat.
    p.setBrush(QColor(150, 75, 40));
    p.drawPolygon(QPolygon{QPoint(90, 215), QPoint(200, 215), QPoint(185, 240), QPoint(105, 240)});
    p.setPen(QPen(QColor(70, 50, 40), 3));
    p.drawLine(145, 215, 145, 135);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 235));
    p.drawPolygon(QPolygon{QPoint(148, 138), QPoint(148, 208), QPoint(195, 208)});
    p.setBrush(QColor(235, 230, 210));
    p.drawPolygon(QPolygon{QPoint(142, 145), QPoint(142, 208), QPoint(105, 208)});
    return image;
}
