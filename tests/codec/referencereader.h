// A deliberately plain reader of coded pictures that the decoder is checked against.
//
// It shares nothing with the decoder but the record stream parser: marks are found by a raster
// scan, each region is filled with a literal two-stack scanline fill, and each region's data
// pixels are collected by a raster pass of their own before its payload is read bit by bit.
// Speed does not matter here; being easy to check by eye does.
#pragma once

#include "kelvodata.h"
#include "kelvoimagebuffers.h"

#include <cstdint>
#include <map>
#include <vector>

struct ReferenceStartPoint {
    int x = -1;
    int y = -1;
    int subIndex = 0;
};

struct ReferenceRegion {
    std::vector<ReferenceStartPoint> startPoints; // in raster order = sub-index order
    int fillCount = 0;
    int outlineCount = 0;
    int level = 0; // R bits 0-3 of the first start point
    // False when the payload cannot be read as coded: a length header that runs past the
    // region's data pixels, or start points that disagree on the level. The fields below are
    // then empty.
    bool dataDefined = true;
    std::vector<uint8_t> recordBytes; // record stream as read, still compressed
    bool hasColourTable = false;      // header B was not 1000
    std::vector<uint8_t> colourBytes; // colour table stream as read, still compressed
    std::vector<KelvoData> records;   // sub-indices renumbered, display colours set
    std::vector<uint32_t> colours;    // 0x00RRGGBB
};

struct ReferenceReading {
    // False when the picture holds more start points than an 8-bit id palette can name; the
    // other fields are then incomplete.
    bool defined = true;
    // True when a fill span ran over pixels that hold another start point's fill index (only
    // where broken outlines let regions run into each other).
    bool spansCrossedRegions = false;
    KelvoIndexedImage idImage; // 0 white, 1 (0, 255, 210), then fill/outline per start point
    std::map<uint32_t, ReferenceRegion> regions;
};

// Reads `picture` (32-bit pixels, at least 24 bits deep).
ReferenceReading readReference(const KelvoPixelBuffer& picture);
