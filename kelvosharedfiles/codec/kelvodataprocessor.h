// Record streams and colour table streams of one region, and their zlib framing.
//
// Record stream, before compression (integers big-endian, no header, no count):
//
//   repeated per record:
//     +0  u32  L        payload length
//     +4  u8   header   bits 4-7 sub-index (0..15), bits 0-3 type code (0..6; others written 0)
//     +5  L bytes       payload, verbatim
//   closing block, always last:
//     +0  u32  T        content length
//     +4  T bytes       content: u8 flags; when flags bit 0 is set and more than two bytes
//                       follow it, u16 N and then N bytes (cut to what is there)
//
// The writer always closes with T = 1 and content 0x00, so every stream ends in
// 00 00 00 01 00. The reader tells the closing block apart only by position: a length whose
// payload reaches exactly the end of the data is the closing block; a shorter one is a record.
// A length running past the end, or fewer than four bytes left for a length, ends the reading;
// records of type codes 7..15 are dropped, so callers only ever see codes 0..6.
//
// Colour table stream, before compression: one 3-byte entry per colour, 0x00RRGGBB stored
// as BB GG RR; no count. A trailing one or two bytes are ignored.
//
// Both streams are compressed as zlib data (RFC 1950) at level 9 in one call over the whole
// buffer. Inputs of more than kMaxStreamLength bytes are refused; inflated output is cut at
// kUncompressCapacity bytes, and whatever inflate produced before an error or the cut is kept.
#pragma once

#include "kelvodata.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Content of a closing block as the reader found it.
struct KelvoPropsStruct {
    uint8_t flags = 0;
    std::vector<uint8_t> content;
};

// Builds and reads the streams of one region at a time; reusable after reset() or setRaw().
// All buffers are owned by the processor; pointers it hands out stay valid until the next
// call that changes the same buffer.
class KelvoDataProcessor {
public:
    static constexpr std::size_t kMaxStreamLength = 5'000'000;    // compress/uncompress input limit
    static constexpr std::size_t kUncompressCapacity = 6'000'000; // inflate output buffer
    static constexpr std::size_t kCompressSlack = 10'000;         // compress output beyond input

    // Frees the raw, compressed and uncompressed buffers.
    void reset();
    // Resets, then copies the bytes in as the raw buffer. Without memory the raw buffer stays
    // empty, which every later operation refuses.
    void setRaw(const std::vector<uint8_t>& bytes);
    void setRaw(const uint8_t* bytes, std::size_t length);
    // Appends one record (length, header byte, payload of `length` bytes) to the raw buffer.
    // Throws std::bad_alloc without changing the buffer when memory runs out.
    void appendRecord(uint32_t length, uint8_t header, const uint8_t* payload);

    // Raw -> compressed. False, doing nothing, when the raw buffer is empty or longer than
    // kMaxStreamLength, or a compressed buffer exists already; false with no buffer when
    // memory runs out.
    bool compressRaw();
    // Raw (zlib data) -> uncompressed, at most kUncompressCapacity bytes. Refuses like
    // compressRaw. True even when the data are damaged or longer: the output then holds what
    // inflate produced.
    bool uncompressRaw();

    // nullptr and 0 while there is no such buffer.
    const uint8_t* compressed() const { return m_compressed.get(); }
    std::size_t compressedLength() const { return m_compressedLength; }
    const uint8_t* uncompressed() const { return m_uncompressed.get(); }
    std::size_t uncompressedLength() const { return m_uncompressedLength; }

    // Writes the compressed record stream of `records` into `out` (cleared first). `out` stays
    // empty when the stream would be longer than kMaxStreamLength or memory runs out.
    void serializeRecords(const std::vector<KelvoData>& records, std::vector<uint8_t>& out);
    // Reads the stream loaded with setRaw() (load it anew before each call): inflated first
    // when `decompress` is set, else read as it stands. `records` (cleared first) receives
    // type, sub-index and payload of each whole record, in stream order; display colours are
    // left 0. `closing` receives the closing block, or stays empty when none was reached.
    void parseRecords(std::vector<KelvoData>& records, KelvoPropsStruct& closing, bool decompress);

    // Colour tables: each 0x00RRGGBB value packed as 3 bytes BB GG RR, then compressed. `out`
    // stays empty for an empty list or when compression is refused.
    void serializeColours(const std::vector<uint32_t>& colours, std::vector<uint8_t>& out);
    // Inflates `stream` and unpacks its complete triples into `colours` (cleared first; the
    // top byte of each value is 0).
    void parseColours(const std::vector<uint8_t>& stream, std::vector<uint32_t>& colours);

private:
    // Resets, lets `fill` build the raw buffer (false: nothing to compress), then compresses
    // it into `out`; `out` stays empty on refusal or when memory runs out.
    template <class Fill> void serializeWith(std::vector<uint8_t>& out, Fill fill);

    std::vector<uint8_t> m_raw;
    std::unique_ptr<uint8_t[]> m_compressed;
    std::size_t m_compressedLength = 0;
    std::unique_ptr<uint8_t[]> m_uncompressed;
    std::size_t m_uncompressedLength = 0;
};
