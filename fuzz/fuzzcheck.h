// A failed property stops the harness with abort(), which libFuzzer and the replay both report.
#pragma once

#include <cstdlib>

inline void check(bool holds) {
    if (!holds)
        std::abort();
}
