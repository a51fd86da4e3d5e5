#include "kelvopackinglevels.h"

#include <cmath>

namespace {

// R low bits, then G low bits, then B bits from bit 1 up.
template <int RBits, int GBits, int BBits> struct Layout {
    static constexpr uint32_t kR = (1u << RBits) - 1;
    static constexpr uint32_t kG = (1u << GBits) - 1;
    static constexpr uint32_t kB = (1u << BBits) - 1;
    static constexpr uint32_t kMask = kR << 16 | kG << 8 | kB << 1;

    static uint32_t read(uint32_t p) {
        return ((p >> 16) & kR) | ((p >> 8) & kG) << RBits | ((p >> 1) & kB) << (RBits + GBits);
    }
    static uint32_t write(uint32_t p, uint32_t v) {
        return (p & ~kMask) | (v & kR) << 16 | ((v >> RBits) & kG) << 8 |
               ((v >> (RBits + GBits)) & kB) << 1;
    }
};

template <int RBits, int GBits, int BBits> constexpr KelvoPackingLevel level() {
    using L = Layout<RBits, GBits, BBits>;
    return {RBits + GBits + BBits, &L::read, &L::write};
}

constexpr KelvoPackingLevel kLevels[kMaxPackingLevel] = {
    level<1, 1, 0>(), level<1, 1, 1>(), level<2, 1, 1>(), level<2, 2, 1>(), level<2, 2, 2>(),
    level<3, 2, 2>(), level<3, 3, 2>(), level<3, 3, 3>(), level<4, 3, 3>(), level<4, 4, 3>(),
    level<4, 4, 4>(), level<5, 4, 4>(), level<5, 5, 4>(), level<8, 8, 7>(),
};

} // namespace

const KelvoPackingLevel* kelvoPackingLevel(int level) {
    if (level < kMinPackingLevel || level > kMaxPackingLevel) {
        return nullptr;
    }
    return &kLevels[level - 1];
}

int kelvoChooseLevel(uint64_t bytes, int64_t pixels, int requested) {
    if (pixels <= 0) {
        return 0;
    }
    const double v = std::ceil(8.0 * double(bytes) / double(pixels));
    if (v > kMaxBitsPerPixel) {
        return 0;
    }
    if (requested == kMaxPackingLevel ||
        (requested >= kMinPackingLevel && requested < kMaxPackingLevel && v <= requested + 1)) {
        return requested;
    }
    if (v <= 2) {
        return 1;
    }
    return v <= kMaxPackingLevel ? int(v) - 1 : kMaxPackingLevel;
}
