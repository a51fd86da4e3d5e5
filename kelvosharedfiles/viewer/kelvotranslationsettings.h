// How a viewer shows dictionary entries. Language indices are positions in the language list.
#pragma once

struct KelvoTranslationSettings {
    int source = 3;
    int target = 0;
    bool showAmbiguities = false;
    bool showCodedWord = false;

    bool operator==(const KelvoTranslationSettings& o) const {
        return source == o.source && target == o.target && showAmbiguities == o.showAmbiguities &&
               showCodedWord == o.showCodedWord;
    }
    bool operator!=(const KelvoTranslationSettings& o) const { return !(*this == o); }
};
