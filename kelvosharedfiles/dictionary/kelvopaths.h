// Where the data files live. Every path is the value of the environment variable KELVO_DIR
// followed directly by a relative name: no separator is inserted, so the value must end with
// one. Readers and the private-dictionary writer fall back differently when KELVO_DIR is unset.
#pragma once

#include <QString>

class KelvoPaths {
public:
    // KELVO_DIR + name; the bare name (current directory) when KELVO_DIR is unset.
    static QString installPath(const QString& name);
    // KELVO_DIR + "dictionary/" + name; the bare name when KELVO_DIR is unset.
    static QString dictionaryPath(const QString& name);
    // KELVO_DIR + "dictionary/" + name; "dictionary/" + name when KELVO_DIR is unset.
    static QString dictionaryWritePath(const QString& name);
};
