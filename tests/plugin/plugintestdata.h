// Coded pictures for the plug-in tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace PluginTestData {

struct TextRegion {
    QRect rect;
    QString text;
};

// A gradient picture of `size` coded with a text region per entry of `texts`, plus, when the
// rectangles are valid, a region whose dictionary reference the test dictionary knows
// ("house", id 7) and a region with an image snippet. Null when the generator refuses.
QImage codedPicture(QSize size, const std::vector<TextRegion>& texts,
                    QRect dictionaryRegion = QRect(), QRect imageRegion = QRect());

QByteArray pngBytes(const QImage& image);

} // namespace PluginTestData
