// The encoder window's region map: for each region the outlines the author drew and the widgets
// that carry its data. The widgets are children of the encoder window, which owns them; the map
// only points at them.
#pragma once

#include <QImage>
#include <QPolygon>

#include <cstdint>
#include <map>
#include <vector>

class KelvoEditorShapedText;
class KelvoImgSnip;
class KelvoTextHolderWidget;
class QWidget;

// A grabbed image part: its pixels, its outline in its own coordinates and the snippet widget
// that shows it on the picture.
struct TheS_ImgDataItem {
    QImage image;
    QPolygon outline;
    KelvoImgSnip* snippet = nullptr;
};

// A shaped text and its record, which stays empty until the coded image is generated.
struct TheS_TextDataItem {
    std::vector<uint8_t> codedBytes;
    KelvoEditorShapedText* widget = nullptr;
};

struct TheS_Data {
    std::vector<QPolygon> outlines; // picture coordinates, not closed
    std::vector<KelvoTextHolderWidget*> texts;
    KelvoTextHolderWidget* dictEntry = nullptr;
    std::vector<TheS_ImgDataItem> images;
    std::vector<TheS_TextDataItem> shapedTexts;

    // Texts of any kind and no image: the region covers its outlines.
    bool isTextLike() const {
        return images.empty() && (!texts.empty() || dictEntry || !shapedTexts.empty());
    }
    bool isImageRegion() const { return !images.empty(); }
    bool isEmpty() const {
        return texts.empty() && !dictEntry && images.empty() && shapedTexts.empty();
    }
    // Every widget that shows the region's data.
    std::vector<QWidget*> widgets() const;
    // The same data without the entry that `widget` shows.
    TheS_Data without(const QWidget* widget) const;
};

// Regions by number, 1 upward, ascending.
using TheS_RegionMap = std::map<int, TheS_Data>;
