// One entry of the language list: the tag used in dictionary element names and the language's
// display name in the user-interface language.
#pragma once

#include <QString>

struct TheS_Language {
    QString tag;
    QString name;

    bool operator==(const TheS_Language& o) const { return tag == o.tag && name == o.name; }
};
