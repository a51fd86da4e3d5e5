// The data pixels of every region of a rebuilt id buffer, visited in raster order.
//
// A data pixel of region k is a pixel whose id index is the fill or outline index of one of
// k's colour entries and which is neither one of k's start points nor one of their
// 4-neighbours. One pass over the id image serves all regions at once, however many there are.
#pragma once

#include "kelvoidbuffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class KelvoDataPixels {
public:
    // Keeps a reference to `ids`, which must not change while this object is used.
    explicit KelvoDataPixels(const KelvoIdBuffer& ids);

    // Region keys by slot number, ascending.
    const std::vector<uint32_t>& keys() const { return m_keys; }
    // Slot of region `key`, or -1.
    int slotOf(uint32_t key) const;
    // Number of data pixels of each slot.
    std::vector<uint64_t> counts() const;

    // Calls visit(slot, x, y) for each data pixel in raster order. Once a call returns false
    // its slot gets no more pixels; the pass ends early when no slot wants any.
    template <class Visit> void visit(Visit&& visit) const;

private:
    // Where a pass stands between rows.
    struct RowState {
        std::array<int16_t, 256> slotOfIndex; // -1 for indices no slot wants any more
        std::size_t wanting;                  // slots that still want pixels
        std::size_t reserved;                 // the next entry of m_reserved not passed yet
    };

    // One row per call. Kept out of line: a WebAssembly engine moves a function to optimised
    // code between its calls, never during one.
    template <class Visit>
    [[gnu::noinline]] void visitRow(Visit& visit, int y, RowState& state) const;

    const KelvoIndexedImage& m_ids;
    std::array<int16_t, 256> m_slotOfIndex;
    std::vector<uint32_t> m_keys;
    std::vector<std::vector<uint8_t>> m_indicesOfSlot;
    std::vector<std::size_t> m_reserved; // offsets of start points and their neighbours, sorted
};

template <class Visit> void KelvoDataPixels::visit(Visit&& visit) const {
    RowState state{m_slotOfIndex, m_keys.size(), 0};
    for (int y = 0; y < m_ids.height && state.wanting > 0; ++y) {
        visitRow(visit, y, state);
    }
}

template <class Visit> void KelvoDataPixels::visitRow(Visit& visit, int y, RowState& state) const {
    const std::size_t w = std::size_t(m_ids.width);
    const uint8_t* row = m_ids.indices.data() + std::size_t(y) * w;
    for (std::size_t x = 0; x < w; ++x) {
        const uint8_t index = row[x];
        if (index == 0) {
            // Most of a picture lies outside every region: skip it eight pixels at a time.
            uint64_t eight = 1;
            if (x + 8 <= w) {
                std::memcpy(&eight, row + x, sizeof eight);
            }
            x += eight == 0 ? 7 : 0;
            continue;
        }
        const int slot = state.slotOfIndex[index];
        if (slot < 0) {
            continue;
        }
        const std::size_t offset = std::size_t(y) * w + x;
        while (state.reserved < m_reserved.size() && m_reserved[state.reserved] < offset) {
            ++state.reserved;
        }
        if (state.reserved < m_reserved.size() && m_reserved[state.reserved] == offset) {
            continue;
        }
        if (!visit(slot, int(x), y)) {
            for (uint8_t i : m_indicesOfSlot[std::size_t(slot)]) {
                state.slotOfIndex[i] = -1;
            }
            if (--state.wanting == 0) {
                return;
            }
        }
    }
}
