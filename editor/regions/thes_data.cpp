#include "thes_data.h"

#include "kelvoeditorshapedtext.h"
#include "kelvoimgsnip.h"
#include "kelvotextholderwidget.h"

#include <algorithm>

std::vector<QWidget*> TheS_Data::widgets() const {
    std::vector<QWidget*> all(texts.begin(), texts.end());
    if (dictEntry) {
        all.push_back(dictEntry);
    }
    for (const TheS_ImgDataItem& image : images) {
        all.push_back(image.snippet);
    }
    for (const TheS_TextDataItem& text : shapedTexts) {
        all.push_back(text.widget);
    }
    return all;
}

TheS_Data TheS_Data::without(const QWidget* widget) const {
    TheS_Data rest = *this;
    const auto drop = [](auto& items, auto shows) {
        items.erase(std::remove_if(items.begin(), items.end(), shows), items.end());
    };
    drop(rest.texts, [widget](const QWidget* text) { return text == widget; });
    drop(rest.images, [widget](const TheS_ImgDataItem& image) { return image.snippet == widget; });
    drop(rest.shapedTexts,
         [widget](const TheS_TextDataItem& text) { return text.widget == widget; });
    if (rest.dictEntry == widget) {
        rest.dictEntry = nullptr;
    }
    return rest;
}
