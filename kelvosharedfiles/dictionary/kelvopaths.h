// Where the data files live. The data folder is the value of the environment variable KELVO_DIR
// when it is set (every path is that value followed directly by a relative name, so it must end
// with a separator); otherwise the installed share/kelvo/ found from the running program's own
// place (bin/ or lib/kelvo/ beside share/), so that an installed copy works in any prefix;
// otherwise the current directory.
//
// What the user writes (the private dictionary, "My Kelvos") stays in the data folder only when
// KELVO_DIR names it and the place is writable; otherwise it goes to the user's own data folder,
// and a file the user has a copy of there is read from that copy.
#pragma once

#include <QString>

class KelvoPaths {
public:
    // KELVO_DIR; else the installed data folder ending in "/"; else empty (current directory).
    static QString dataFolder();
    // Where the user's own copies live: the editor's QStandardPaths::AppDataLocation
    // (~/.local/share/kelvo/), the same for every program that reads them.
    static QString userFolder();

    // dataFolder() + name.
    static QString installPath(const QString& name);
    // The user's copy of "dictionary/" + name when there is one; else dataFolder() +
    // "dictionary/" + name. Without a data folder the bare name, unless only "dictionary/" + name
    // (where the writer puts a new file) exists.
    static QString dictionaryPath(const QString& name);
    // Where the dictionary name is written: the data folder's "dictionary/" + name when the
    // user may write there, else the user's copy. Without a data folder the bare name when that
    // file exists, else "dictionary/" + name; dictionaryPath() reads the same file.
    static QString dictionaryWritePath(const QString& name);
    // dataFolder() + "dictionary/" + name: the file as delivered, where a user's copy starts.
    static QString deliveredDictionaryPath(const QString& name);
    // The "My Kelvos" folder where the file dialogs start; empty without a data folder. The
    // user's own one is made on first use and gets the delivered sample pictures.
    static QString picturesFolder();
};
