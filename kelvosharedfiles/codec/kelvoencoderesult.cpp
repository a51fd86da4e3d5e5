#include "kelvoencoderesult.h"

#include "kelvostartpoint.h"

std::string kelvoEncodeReason(const KelvoEncodeResult& result) {
    const bool ofRegion = result.region != KelvoEncodeResult::kNoRegion;
    switch (result.failure) {
    case KelvoEncodeFailure::None:
        return {};
    case KelvoEncodeFailure::NotCodable:
        return "the picture has fewer than 24 bits per pixel";
    case KelvoEncodeFailure::MaskMismatch:
        return "the regions were prepared for another picture size";
    case KelvoEncodeFailure::TooManyKeys:
        return std::to_string(result.regions) + " regions with data from key " +
               std::to_string(result.firstKey) + " exceed the " + std::to_string(kMaxRegionKeys) +
               " keys a picture can tell apart";
    case KelvoEncodeFailure::StreamTooLong:
        return "more data than a region can carry";
    case KelvoEncodeFailure::NoInterior:
        return "no interior that a reader can find (the outline must enclose pixels away from "
               "the picture's edge)";
    case KelvoEncodeFailure::TooLittleRoom:
        return "too small for its data: " + std::to_string(result.bytes) + " bytes, room for " +
               std::to_string(result.room) + " in its " + std::to_string(result.pixels) + " pixels";
    case KelvoEncodeFailure::KeyTaken:
        return "its key is taken by a region coded before";
    case KelvoEncodeFailure::MarksClash:
        return ofRegion ? "its marks disturb those of another region (regions touch or overlap)"
                        : "the regions' marks disturb each other (regions touch or overlap)";
    case KelvoEncodeFailure::DisturbsCoded:
        return ofRegion ? "its marks would disturb the regions coded before"
                        : "the new marks would disturb the regions coded before";
    case KelvoEncodeFailure::StartPointBroken:
        return "the data would disturb the regions' start points";
    }
    return {};
}
