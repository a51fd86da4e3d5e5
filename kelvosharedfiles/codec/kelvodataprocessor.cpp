#include "kelvodataprocessor.h"

#include "kelvobyteorder.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace {

constexpr uint8_t kHighestKnownType = 6;
constexpr std::size_t kRecordOverhead = 5;   // length field and header byte
constexpr std::size_t kClosingLength = 5;    // length field and one flags byte
constexpr uint8_t kClosingHasContent = 0x01; // flags bit: a counted content follows

uint8_t headerByte(const KelvoData& record) {
    const uint32_t type = record.type <= kHighestKnownType ? record.type : TypeText;
    return static_cast<uint8_t>((record.subIndex & 0x0F) << 4 | type);
}

// Total length of the uncompressed stream, or 0 when it would exceed `limit`.
std::size_t streamLength(const std::vector<KelvoData>& records, std::size_t limit) {
    std::size_t total = kClosingLength;
    for (const KelvoData& record : records) {
        if (record.payload.size() > limit ||
            kRecordOverhead + record.payload.size() > limit - total)
            return 0;
        total += kRecordOverhead + record.payload.size();
    }
    return total <= limit ? total : 0;
}

KelvoPropsStruct readClosingBlock(const uint8_t* data, std::size_t length) {
    KelvoPropsStruct closing;
    if (length == 0)
        return closing;
    closing.flags = data[0];
    if ((closing.flags & kClosingHasContent) && length - 1 > 2) {
        const std::size_t count = static_cast<std::size_t>(data[1]) << 8 | data[2];
        const uint8_t* content = data + 3;
        closing.content.assign(content, content + std::min(count, length - 3));
    }
    return closing;
}

} // namespace

void KelvoDataProcessor::reset() {
    std::vector<uint8_t>().swap(m_raw);
    m_compressed.reset();
    m_compressedLength = 0;
    m_uncompressed.reset();
    m_uncompressedLength = 0;
}

void KelvoDataProcessor::setRaw(const std::vector<uint8_t>& bytes) {
    setRaw(bytes.data(), bytes.size());
}

void KelvoDataProcessor::setRaw(const uint8_t* bytes, std::size_t length) {
    reset();
    if (length == 0)
        return;
    try {
        m_raw.assign(bytes, bytes + length);
    } catch (const std::bad_alloc&) {
        m_raw.clear();
    }
}

void KelvoDataProcessor::appendRecord(uint32_t length, uint8_t header, const uint8_t* payload) {
    // Reserving is the only step that can throw; the appends below then cannot.
    const std::size_t needed = m_raw.size() + kRecordOverhead + length;
    if (needed > m_raw.capacity())
        m_raw.reserve(std::max(needed, 2 * m_raw.capacity()));
    kelvoPutBe32(m_raw, length);
    m_raw.push_back(header);
    m_raw.insert(m_raw.end(), payload, payload + length);
}

bool KelvoDataProcessor::compressRaw() {
    if (m_raw.empty() || m_raw.size() > kMaxStreamLength || m_compressed)
        return false;
    const std::size_t capacity = m_raw.size() + kCompressSlack;
    std::unique_ptr<uint8_t[]> out(new (std::nothrow) uint8_t[capacity]);
    if (!out)
        return false;
    uLongf produced = capacity;
    if (compress2(out.get(), &produced, m_raw.data(), m_raw.size(), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    m_compressed = std::move(out);
    m_compressedLength = produced;
    return true;
}

bool KelvoDataProcessor::uncompressRaw() {
    if (m_raw.empty() || m_raw.size() > kMaxStreamLength || m_uncompressed)
        return false;
    std::unique_ptr<uint8_t[]> out(new (std::nothrow) uint8_t[kUncompressCapacity]);
    if (!out)
        return false;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = m_raw.data();
    stream.avail_in = static_cast<uInt>(m_raw.size());
    stream.next_out = out.get();
    stream.avail_out = static_cast<uInt>(kUncompressCapacity);
    const int result = inflate(&stream, Z_FINISH);
    const std::size_t produced = stream.total_out;
    inflateEnd(&stream);
    if (result == Z_MEM_ERROR)
        return false;
    // Damaged or over-long data keep what was inflated before the error or the cut.
    m_uncompressed = std::move(out);
    m_uncompressedLength = produced;
    return true;
}

template <class Fill> void KelvoDataProcessor::serializeWith(std::vector<uint8_t>& out, Fill fill) {
    out.clear();
    reset();
    try {
        if (fill() && compressRaw())
            out.assign(m_compressed.get(), m_compressed.get() + m_compressedLength);
    } catch (const std::bad_alloc&) {
        out.clear();
        reset();
    }
}

void KelvoDataProcessor::serializeRecords(const std::vector<KelvoData>& records,
                                          std::vector<uint8_t>& out) {
    serializeWith(out, [&] {
        // A stream over the limit would be refused by compressRaw; it is not even built.
        const std::size_t length = streamLength(records, kMaxStreamLength);
        if (length == 0)
            return false;
        m_raw.reserve(length);
        for (const KelvoData& record : records)
            appendRecord(static_cast<uint32_t>(record.payload.size()), headerByte(record),
                         record.payload.data());
        kelvoPutBe32(m_raw, 1);
        m_raw.push_back(0x00);
        return true;
    });
}

void KelvoDataProcessor::parseRecords(std::vector<KelvoData>& records, KelvoPropsStruct& closing,
                                      bool decompress) {
    records.clear();
    closing = KelvoPropsStruct();
    if (decompress && !uncompressRaw())
        return;
    const uint8_t* data = decompress ? m_uncompressed.get() : m_raw.data();
    const std::size_t size = decompress ? m_uncompressedLength : m_raw.size();

    std::size_t pos = 0;
    while (size - pos >= 4) {
        const std::size_t length = kelvoGetBe32(data + pos);
        pos += 4;
        const std::size_t left = size - pos;
        if (length > left)
            return; // runs past the end
        if (length == left) {
            closing = readClosingBlock(data + pos, length);
            return;
        }
        const uint8_t header = data[pos];
        const uint8_t* payload = data + pos + 1;
        pos += 1 + length;
        const uint8_t type = header & 0x0F;
        if (type > kHighestKnownType)
            continue;
        KelvoData record;
        record.type = type;
        record.subIndex = header >> 4;
        record.payload.assign(payload, payload + length);
        records.push_back(std::move(record));
    }
}

void KelvoDataProcessor::serializeColours(const std::vector<uint32_t>& colours,
                                          std::vector<uint8_t>& out) {
    serializeWith(out, [&] {
        if (colours.size() > kMaxStreamLength / 3)
            return false;
        m_raw.reserve(colours.size() * 3);
        for (uint32_t colour : colours) {
            m_raw.push_back(static_cast<uint8_t>(colour));
            m_raw.push_back(static_cast<uint8_t>(colour >> 8));
            m_raw.push_back(static_cast<uint8_t>(colour >> 16));
        }
        return true;
    });
}

void KelvoDataProcessor::parseColours(const std::vector<uint8_t>& stream,
                                      std::vector<uint32_t>& colours) {
    colours.clear();
    setRaw(stream);
    if (!uncompressRaw())
        return;
    const uint8_t* data = m_uncompressed.get();
    colours.reserve(m_uncompressedLength / 3);
    for (std::size_t i = 0; i + 3 <= m_uncompressedLength; i += 3)
        colours.push_back(static_cast<uint32_t>(data[i + 2]) << 16 |
                          static_cast<uint32_t>(data[i + 1]) << 8 | data[i]);
}
