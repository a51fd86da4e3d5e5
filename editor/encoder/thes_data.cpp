#include "thes_data.h"

#include "kelvoeditorshapedtext.h"
#include "kelvoimgsnip.h"
#include "kelvotextholderwidget.h"

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
