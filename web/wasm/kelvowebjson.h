// The JSON report of a decoded picture, with the keys and values of `kelvo-tool decode`
// (tools/kelvodecodereport.h), written without Qt.
#pragma once

#include "kelvowebdecoder.h"

#include <string>

std::string kelvoWebDecodeJson(const KelvoWebDecoded& decoded);
