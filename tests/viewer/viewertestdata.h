// Pictures, id images, records and dictionaries for the viewer tests.
#pragma once

#include "kelvodata.h"
#include "kelvotestdir.h"
#include "kelvotextobj.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace ViewerTestData {

// A region of an id image: its key and its rectangle, outline on the edge pixels, fill inside.
struct Region {
    uint32_t key;
    QRect rect;
};

// An 8-bit id image as the decoder makes it: entry 0 white, entry 1 (0, 255, 210), then per
// region the fill entry (255, 0, key) and the outline entry (0, 0, key).
QImage idImage(QSize size, const std::vector<Region>& regions);
inline int fillPixelCount(const QRect& rect) {
    return (rect.width() - 2) * (rect.height() - 2);
}

// A picture with a colour gradient, so that copies of parts of it can be told apart.
QImage picture(QSize size);

// A gradient picture of `size` coded by the generator with a text region per entry of
// `texts`, plus, when the rectangles are valid, a region whose dictionary reference the test
// dictionary knows ("house", id 7) and a region with a two-coloured snippet. Null when the
// generator refuses.
QImage codedPicture(QSize size, const std::vector<std::pair<QRect, QString>>& texts,
                    QRect dictionaryRegion = QRect(), QRect imageRegion = QRect());

KelvoData record(uint32_t type, const std::vector<uint8_t>& payload);
// A text or dictionary record holding `text` in Latin-1.
KelvoData textRecord(const QString& text, uint32_t type = TypeText);
// A shaped-text record holding one block per object.
KelvoData shapedRecord(const std::vector<KelvoComicEllipseObj>& objects);

// Shape objects at picture position `at`.
KelvoComicEllipseObj simpleShape(uint8_t kind, QPoint at, QSize body, const QString& text);
KelvoComicEllipseObj speechBubble(QPoint at, QRect ellipse, QPoint peak, int angle1, int angle2);
KelvoComicEllipseObj thinkBubble(QPoint at, QRect body,
                                 const std::vector<KelvoThinkBubbleCircle>& circles);

// Leaves records and a colour list as a seed for the fuzz target fuzz_regionobjects:
// u8 colour count, 3 bytes per colour, then the uninflated record stream.
void writeRegionObjectsSeed(const QString& name, const std::vector<KelvoData>& records,
                            const std::vector<uint32_t>& colours);

// A temporary installation folder (KELVO_DIR) with a dictionary knowing "house" (id 7; en
// house with secondaries home and building, fr maison, es casa, de Haus) and the language
// list en, fr, es, de. Restores a fresh process state when it goes.
class Dictionary : public KelvoTestDir {
public:
    Dictionary();
};

} // namespace ViewerTestData
