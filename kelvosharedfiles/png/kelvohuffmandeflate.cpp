#include "kelvohuffmandeflate.h"

#include "kelvobytehistogram.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <queue>

namespace {

constexpr std::size_t kBlockBytes = std::size_t(128) << 10;
constexpr int kLiterals = 257; // 256 byte values and the end of block
constexpr int kEndOfBlock = 256;
constexpr int kMaxCodeBits = 15;
// Literal codes are held to 14 bits, a hair below deflate's 15, so that four of them fit
// between two flushes of the bit writer.
constexpr int kMaxLiteralBits = 14;
constexpr std::size_t kSymbolsPerFlush = 4;
constexpr int kMaxLengthCodeBits = 7;
constexpr int kLengthCodes = 19;
constexpr int kDistanceCodes = 2; // unused, but a block needs a (complete) distance code
// Order in which the code length code's lengths are sent.
constexpr uint8_t kLengthOrder[kLengthCodes] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                11, 4,  12, 3, 13, 2, 14, 1, 15};

// Least significant bit first, as deflate packs its bits, into room the caller has made (with
// 8 bytes to spare: flush() stores whole words).
class BitWriter {
public:
    BitWriter(uint8_t* out, uint64_t bits, int count) : m_out(out), m_bits(bits), m_count(count) {}

    // Up to 56 bits may be added between flushes.
    void add(uint32_t bits, int count) {
        m_bits |= uint64_t(bits) << m_count;
        m_count += count;
    }

    // Writes out the whole bytes; at most 7 bits stay behind.
    void flush() {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        const uint64_t word = __builtin_bswap64(m_bits);
#else
        const uint64_t word = m_bits;
#endif
        std::memcpy(m_out, &word, sizeof(word));
        m_out += m_count >> 3;
        m_bits >>= m_count & ~7;
        m_count &= 7;
    }

    void put(uint32_t bits, int count) {
        add(bits, count);
        flush();
    }

    // Pads with zero bits to a byte boundary.
    void align() {
        flush();
        if (m_count > 0) {
            *m_out++ = uint8_t(m_bits);
        }
        m_bits = 0;
        m_count = 0;
    }

    uint8_t* end() const {
        return m_out;
    }
    uint64_t bits() const {
        return m_bits;
    }
    int count() const {
        return m_count;
    }

private:
    uint8_t* m_out;
    uint64_t m_bits;
    int m_count;
};

// Huffman code lengths for `counts`, none longer than `maxBits`: counts are halved (keeping
// every used symbol) until the tree is shallow enough.
template <std::size_t N>
std::array<uint8_t, N> codeLengths(std::array<uint32_t, N> counts, int maxBits) {
    std::array<uint8_t, N> lengths{};
    for (;;) {
        struct Node {
            uint64_t weight;
            int index;
        };
        const auto heavier = [](const Node& a, const Node& b) { return a.weight > b.weight; };
        std::priority_queue<Node, std::vector<Node>, decltype(heavier)> queue(heavier);
        std::vector<int> parent;
        for (std::size_t s = 0; s < N; ++s) {
            if (counts[s]) {
                queue.push({counts[s], int(parent.size())});
                parent.push_back(-1);
            }
        }
        lengths.fill(0);
        if (parent.size() < 2) {
            // A code needs two symbols: the used one (if any) and the first others.
            int given = int(parent.size());
            for (std::size_t s = 0; s < N; ++s) {
                if (counts[s] || given < 2) {
                    given += counts[s] ? 0 : 1;
                    lengths[s] = 1;
                }
            }
            return lengths;
        }
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            const int joined = int(parent.size());
            parent.push_back(-1);
            parent[std::size_t(a.index)] = parent[std::size_t(b.index)] = joined;
            queue.push({a.weight + b.weight, joined});
        }
        int deepest = 0;
        int leaf = 0;
        for (std::size_t s = 0; s < N; ++s) {
            if (!counts[s]) {
                continue;
            }
            int depth = 0;
            for (int node = leaf++; parent[std::size_t(node)] >= 0;
                 node = parent[std::size_t(node)]) {
                ++depth;
            }
            lengths[s] = uint8_t(depth);
            deepest = std::max(deepest, depth);
        }
        if (deepest <= maxBits) {
            return lengths;
        }
        for (uint32_t& count : counts) {
            count = count ? (count >> 1) | 1 : 0;
        }
    }
}

// Canonical codes for `lengths`, bit-reversed for least-significant-first output.
template <std::size_t N>
std::array<uint16_t, N> canonicalCodes(const std::array<uint8_t, N>& lengths) {
    std::array<uint16_t, kMaxCodeBits + 2> next{};
    std::array<uint16_t, kMaxCodeBits + 1> perLength{};
    for (const uint8_t length : lengths) {
        ++perLength[length];
    }
    perLength[0] = 0;
    for (int bits = 1, code = 0; bits <= kMaxCodeBits; ++bits) {
        code = (code + perLength[std::size_t(bits - 1)]) << 1;
        next[std::size_t(bits)] = uint16_t(code);
    }
    std::array<uint16_t, N> codes{};
    for (std::size_t s = 0; s < N; ++s) {
        const int length = lengths[s];
        if (!length) {
            continue;
        }
        uint32_t code = next[std::size_t(length)]++;
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i, code >>= 1) {
            reversed = reversed << 1 | (code & 1);
        }
        codes[s] = uint16_t(reversed);
    }
    return codes;
}

// Header bits of a block: type, alphabet sizes, the code length code and the code lengths.
constexpr std::size_t kMaxHeaderBits =
    3 + 5 + 5 + 4 + kLengthCodes * 3 + (kLiterals + kDistanceCodes) * kMaxLengthCodeBits;

void writeBlock(BitWriter& writer, const uint8_t* data, std::size_t size, bool final) {
    const std::array<uint64_t, 256> histogram = kelvoByteHistogram(data, size);
    std::array<uint32_t, kLiterals> counts{};
    std::copy(histogram.begin(), histogram.end(), counts.begin()); // a block is at most 128 KB
    counts[kEndOfBlock] = 1;
    const std::array<uint8_t, kLiterals> lengths = codeLengths(counts, kMaxLiteralBits);
    const std::array<uint16_t, kLiterals> codes = canonicalCodes(lengths);

    // Every code length is sent as itself (0 to 15); the two distance codes take one bit each.
    std::array<uint32_t, kLengthCodes> lengthCounts{};
    for (const uint8_t length : lengths) {
        ++lengthCounts[length];
    }
    lengthCounts[1] += kDistanceCodes;
    const std::array<uint8_t, kLengthCodes> lengthLengths =
        codeLengths(lengthCounts, kMaxLengthCodeBits);
    const std::array<uint16_t, kLengthCodes> lengthCodes = canonicalCodes(lengthLengths);

    writer.put(final ? 1 : 0, 1);
    writer.put(2, 2); // dynamic Huffman codes
    writer.put(kLiterals - 257, 5);
    writer.put(kDistanceCodes - 1, 5);
    writer.put(kLengthCodes - 4, 4);
    for (const uint8_t symbol : kLengthOrder) {
        writer.put(lengthLengths[symbol], 3);
    }
    for (const uint8_t length : lengths) {
        writer.put(lengthCodes[length], lengthLengths[length]);
    }
    for (int d = 0; d < kDistanceCodes; ++d) {
        writer.put(lengthCodes[1], lengthLengths[1]);
    }
    // Code and length of each byte value in one word.
    std::array<uint32_t, 256> symbols{};
    for (std::size_t v = 0; v < symbols.size(); ++v) {
        symbols[v] = uint32_t(codes[v]) | uint32_t(lengths[v]) << 16;
    }
    // Four symbols of at most 14 bits between flushes.
    std::size_t i = 0;
    for (; i + kSymbolsPerFlush <= size; i += kSymbolsPerFlush) {
        for (std::size_t k = 0; k < kSymbolsPerFlush; ++k) {
            const uint32_t symbol = symbols[data[i + k]];
            writer.add(symbol & 0xffff, int(symbol >> 16));
        }
        writer.flush();
    }
    for (; i < size; ++i) {
        const uint32_t symbol = symbols[data[i]];
        writer.put(symbol & 0xffff, int(symbol >> 16));
    }
    writer.put(codes[kEndOfBlock], lengths[kEndOfBlock]);
}

// Bytes a block of `size` bytes may take at most: every symbol fits in 14 bits.
std::size_t blockBound(std::size_t size) {
    return (kMaxHeaderBits + (size + 1) * kMaxLiteralBits) / 8 + 8;
}

} // namespace

void KelvoHuffmanDeflater::write(const uint8_t* data, std::size_t size, bool final) {
    if (size == 0) {
        if (final) {
            flush(true);
        }
        return;
    }
    const std::size_t used = m_out.size();
    const std::size_t blocks = (size + kBlockBytes - 1) / kBlockBytes;
    m_out.resize(used + blocks * blockBound(kBlockBytes) + 8);
    BitWriter writer(m_out.data() + used, m_bits, m_count);
    for (std::size_t offset = 0; offset < size; offset += kBlockBytes) {
        const std::size_t length = std::min(kBlockBytes, size - offset);
        writeBlock(writer, data + offset, length, final && offset + length == size);
    }
    if (final) {
        writer.align();
    }
    m_bits = writer.bits();
    m_count = writer.count();
    m_out.resize(std::size_t(writer.end() - m_out.data()));
}

void KelvoHuffmanDeflater::flush(bool final) {
    const std::size_t used = m_out.size();
    m_out.resize(used + 16);
    BitWriter writer(m_out.data() + used, m_bits, m_count);
    writer.put(final ? 1 : 0, 1);
    writer.put(0, 2); // stored
    writer.align();
    uint8_t* tail = writer.end();
    tail[0] = tail[1] = 0x00; // length 0 and its complement
    tail[2] = tail[3] = 0xff;
    m_bits = 0;
    m_count = 0;
    m_out.resize(std::size_t(tail + 4 - m_out.data()));
}
