// One dictionary item as a lookup returns it.
#pragma once

#include "thes_dictentries.h"

#include <QMap>
#include <QString>

struct TheS_DictItem {
    QString codedWord;                        // empty when nothing matched
    QMap<int, TheS_DictEntries> translations; // language index -> terms

    bool operator==(const TheS_DictItem& o) const {
        return codedWord == o.codedWord && translations == o.translations;
    }
    bool operator!=(const TheS_DictItem& o) const { return !(*this == o); }
};
