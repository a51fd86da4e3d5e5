#include "kelvopaths.h"

#include <QtGlobal>

namespace {

const char* const InstallDirVariable = "KELVO_DIR";
const QString DictionaryFolder = QStringLiteral("dictionary/");

} // namespace

QString KelvoPaths::installPath(const QString& name) {
    return qEnvironmentVariable(InstallDirVariable) + name;
}

QString KelvoPaths::dictionaryPath(const QString& name) {
    if (!qEnvironmentVariableIsSet(InstallDirVariable))
        return name;
    return qEnvironmentVariable(InstallDirVariable) + DictionaryFolder + name;
}

QString KelvoPaths::dictionaryWritePath(const QString& name) {
    return qEnvironmentVariable(InstallDirVariable) + DictionaryFolder + name;
}
