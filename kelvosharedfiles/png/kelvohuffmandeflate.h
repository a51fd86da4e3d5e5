// Raw deflate data coded with Huffman codes alone, no string matching: one dynamic block per
// 128 KB of input, its literal code fitted to that block. Filtered photographs hold almost no
// repeats for string matching to find, so this is several times faster than a general deflate
// at about the same size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Leaves the room a vector grows by uninitialised: compressed output is reserved at its bound
// and written once, and zeroing (and so touching) the unused rest would cost as much again.
template <class T> struct KelvoNoInitAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = KelvoNoInitAllocator<U>; };
    KelvoNoInitAllocator() = default;
    template <class U> KelvoNoInitAllocator(const KelvoNoInitAllocator<U>&) noexcept {}
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        if constexpr (sizeof...(Args) == 0) {
            ::new (static_cast<void*>(p)) U;
        } else {
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
        }
    }
};
using KelvoDeflateBytes = std::vector<uint8_t, KelvoNoInitAllocator<uint8_t>>;

// Appends raw deflate blocks to `out`; blocks written by separate calls follow each other
// bit by bit.
class KelvoHuffmanDeflater {
public:
    explicit KelvoHuffmanDeflater(KelvoDeflateBytes& out) : m_out(out) {}

    // Codes `data`; its last block is marked final when `final`, and the stream then ends
    // on a byte boundary.
    void write(const uint8_t* data, std::size_t size, bool final);

    // Ends on a byte boundary with an empty stored block (final when `final`), so that data
    // deflated elsewhere can follow, or the stream ends.
    void flush(bool final);

    // Bits written but not yet whole bytes of `out`.
    bool pending() const { return m_count > 0; }

private:
    KelvoDeflateBytes& m_out;
    uint64_t m_bits = 0;
    int m_count = 0;
};
