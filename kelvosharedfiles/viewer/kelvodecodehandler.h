// The decode handler: turns a picture that carries hidden data into what a viewer shows, and
// builds the menu through which a user picks the languages of dictionary translations. It
// keeps no state; the viewer host calls decodeImage() once per loaded picture and keeps the
// results in the viewer (see kelvoviewerwidget.h).
//
// Per region, in stored record order:
//   text records       -> the region's balloon (KelvoTextWidget) shows the bytes as Latin-1
//                         text, one record per line
//   dictionary record  -> the balloon shows the translation below the texts, when a dictionary
//                         knows the reference; otherwise nothing
//   image record       -> the region's image: byte i is the colour-list index of the i-th fill
//                         pixel of the region in raster order; masked to the fill pixels
//   shaped-text record -> one widget per shape object: speech and think bubbles for items of
//                         kinds 3 and 4, rectangles and ellipses for kinds 1 and 2
// A later dictionary record of a region replaces an earlier one, as a later image replaces an
// earlier image. Every widget is created hidden, as a child of the viewer.
//
// Damaged data show what is valid and nothing more: image bytes past the fill pixels are
// ignored, fill pixels without a byte or with an index outside the colour list stay
// transparent; malformed shaped-text blocks and shapes with absurd coordinates are left out.
#pragma once

#include "decodestatistics.h"
#include "kelvodata.h"
#include "regionviewerobjects.h"
#include "thes_language.h"

#include <QAction>
#include <QButtonGroup>
#include <QImage>
#include <QList>
#include <QMenu>

#include <cstdint>
#include <map>

class QWidget;

namespace KelvoDecodeLimits {
// Image annotations are stored over the bounding box of their region; all of them together
// may cover this many times the picture's pixels. Regions beyond that get no image, and are
// counted as not shown.
constexpr int64_t kImagePixelsPerPicturePixel = 2;
// Shaped texts hold two copies of the picture under them; all of them together may cover
// this many times the picture's pixels, plus kShapePixelAllowance, and there may be at most
// kMaxShapedTexts of them. Shapes beyond that are not built, and counted as not shown.
constexpr int64_t kShapePixelsPerPicturePixel = 2;
constexpr int64_t kShapePixelAllowance = 1 << 20;
constexpr int kMaxShapedTexts = 4096;
} // namespace KelvoDecodeLimits

// Decodes `picture` (32-bit RGB). `idImage` receives the region id image (8-bit; palette entry
// blue = region key, red 255 = fill pixel, red 0 = outline pixel, entry 0 white = no region),
// `outlineImage` the picture with the region outlines dotted over it, `regions` one entry per
// decoded region (entries of keys already present are overwritten field by field). Widgets
// are owned by `parent`. A picture without hidden data leaves `idImage` and `regions` as they
// are, sets `outlineImage` to the picture and returns zero counts.
DecodeStatistics decodeImage(QImage picture, QImage& idImage, QImage& outlineImage,
                             RegionViewerMap& regions, QWidget* parent);

// The second half of decodeImage(): the objects of the decoded records `data` (region key ->
// records and colour list) over the id image `idImage`.
DecodeStatistics buildRegionViewerObjects(const std::map<uint32_t, KelvoDataObjs>& data,
                                          const QImage& idImage, RegionViewerMap& regions,
                                          QWidget* parent);

// The dictionary menu and the parts its owner connects to.
struct KelvoDictionaryMenu {
    QMenu* menu;
    QButtonGroup* sourceGroup;
    QButtonGroup* targetGroup;
    QAction* showCodedWord;
    QAction* showAmbiguities;
};

// A new popup menu owned by `owner`:
//   "Translate from ..." -> submenu of radio buttons, one per language (ids 0, 1, ...)
//   "Translate to ..."   -> the same
//   ---
//   "Show coded word"    checkable, data 3
//   "Show ambiguities"   checkable, data 4
// Button 3 of the source group and button 0 of the target group start selected, where the
// list is long enough. The two groups are exclusive and owned by the menu. The check marks
// toggle by themselves.
KelvoDictionaryMenu makeDictionaryMenu(const QList<TheS_Language>& languages, QWidget* owner);
