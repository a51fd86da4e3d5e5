// The string a coded picture stores for a dictionary entry:
//
//   [ "<_ID " decimal-id ">" ] "<" coded-word ">" term
//
// for example "<_ID 12><house>Haus". Without the id prefix the coded word identifies the item;
// with it only the id does.
#pragma once

#include <QString>

struct KelvoDictReference {
    int id = -1;       // -1 when the reference has no "<_ID" part
    QString codedWord; // text after the last "<", up to the next ">"
    QString term;      // text after the last ">"

    // Never fails: a reference that does not follow the pattern yields whatever its parts give
    // (an id that is not a number reads as 0).
    static KelvoDictReference parse(const QString& reference);
};
