// Record and colour table streams from arbitrary bytes: read as stored (compressed) and as
// already inflated. Whatever is read must come back unchanged through a write and a read.
#include "fuzzcheck.h"
#include "kelvodataprocessor.h"

namespace {

std::vector<KelvoData> parse(KelvoDataProcessor& processor, const uint8_t* data, size_t size,
                             bool decompress) {
    std::vector<KelvoData> records;
    KelvoPropsStruct closing;
    processor.setRaw(data, size);
    processor.parseRecords(records, closing, decompress);
    return records;
}

void checkRoundTrip(const std::vector<KelvoData>& records) {
    KelvoDataProcessor processor;
    std::vector<uint8_t> stream;
    processor.serializeRecords(records, stream);
    if (stream.empty()) {
        // Only a stream over the length limit may be refused.
        size_t length = 5;
        for (const KelvoData& record : records)
            length += 5 + record.payload.size();
        check(length > KelvoDataProcessor::kMaxStreamLength);
        return;
    }
    check(parse(processor, stream.data(), stream.size(), true) == records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KelvoDataProcessor processor;
    checkRoundTrip(parse(processor, data, size, false));
    checkRoundTrip(parse(processor, data, size, true));

    std::vector<uint32_t> colours;
    processor.parseColours(std::vector<uint8_t>(data, data + size), colours);
    check(colours.size() <= KelvoDataProcessor::kUncompressCapacity / 3);
    return 0;
}
