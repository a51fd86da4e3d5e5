// The terms of one dictionary item in one language.
#pragma once

#include <QString>
#include <QStringList>

struct TheS_DictEntries {
    QString primary;         // the term shown by default
    QStringList secondaries; // further terms ("ambiguities"), in file order

    bool operator==(const TheS_DictEntries& o) const {
        return primary == o.primary && secondaries == o.secondaries;
    }
    bool operator!=(const TheS_DictEntries& o) const { return !(*this == o); }
};
