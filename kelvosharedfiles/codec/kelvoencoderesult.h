// What the encoder answers: success, or why it refused a picture, with the region at fault and
// the figures that tell an author what to change.
#pragma once

#include <cstdint>
#include <string>

enum class KelvoEncodeFailure {
    None,
    NotCodable,       // fewer than 24 bits per pixel, or no pixels
    MaskMismatch,     // the mask or the target does not fit the picture, or the plan is empty
    TooManyKeys,      // the regions with data would need a key of 64 or more
    StreamTooLong,    // a region's records or colours exceed what one stream holds
    NoInterior,       // a region gets no start point
    TooLittleRoom,    // a region's data do not fit even at the densest packing level
    KeyTaken,         // a region coded before has a region's key
    MarksClash,       // the new regions' marks disturb each other
    DisturbsCoded,    // the new marks would change a region coded before
    StartPointBroken, // the data bits would complete or break a start point
};

struct KelvoEncodeResult {
    static constexpr int kNoRegion = -1;

    KelvoEncodeFailure failure = KelvoEncodeFailure::None;
    int region = kNoRegion; // index in the encoder's data list of the region at fault
    // TooLittleRoom: the payload's bytes, the bytes the region's data pixels hold at most and
    // the number of those pixels.
    uint64_t bytes = 0;
    uint64_t room = 0;
    uint64_t pixels = 0;
    // TooManyKeys: the regions with data and the first key asked for.
    uint64_t regions = 0;
    uint32_t firstKey = 0;

    bool ok() const { return failure == KelvoEncodeFailure::None; }
    explicit operator bool() const { return ok(); }

    static KelvoEncodeResult failed(KelvoEncodeFailure failure, int region = kNoRegion) {
        KelvoEncodeResult result;
        result.failure = failure;
        result.region = region;
        return result;
    }
};

// The reason in words with its figures, e.g. "too small for its data: 600 bytes, room for 41
// in its 150 pixels"; empty for success. Reasons of one region are worded as said of it.
std::string kelvoEncodeReason(const KelvoEncodeResult& result);
