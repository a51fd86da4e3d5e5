// Base of the shape record classes: the serialized block of a shape.
#pragma once

#include <cstdint>
#include <vector>

class KelvoObjShape {
public:
    std::vector<uint8_t> bytes;
};
