// Loads the user-interface language from KELVO_DIR + "kelvoConfig.xml" into KelvoConfig.
// Only the first construction in a process reads the file; later ones find KelvoConfig's
// parsed flag set, whatever the first read gave. A missing or rejected file keeps "en"; a
// configuration that names no language leaves the choice to the user's locale.
#pragma once

#include <QLatin1String>

class KelvoXmlConfigFileParser {
public:
    static constexpr QLatin1String FileName{"kelvoConfig.xml"};

    KelvoXmlConfigFileParser();
};
