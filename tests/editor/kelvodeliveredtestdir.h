// A temporary KELVO_DIR holding the delivered language files and main dictionary, with a private
// dictionary of the test's choosing.
#pragma once

#include "kelvotestdir.h"

class KelvoDeliveredTestDir : public KelvoTestDir {
public:
    static const QString PrivatePath; // "dictionary/kelvoDictPriv.xml"

    // The private dictionary holds the DictItem elements `privateItems`. Aborts the test program
    // when the delivered data (KELVO_SOURCE_DATA) cannot be copied.
    explicit KelvoDeliveredTestDir(const QByteArray& privateItems = {});
};
