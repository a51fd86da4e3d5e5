// Leaves valid inputs made by a test as seed files for a fuzz target.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline void writeFuzzSeed(const std::string& target, const std::string& name,
                          const std::vector<uint8_t>& bytes) {
    const std::filesystem::path dir = std::filesystem::path(KELVO_FUZZ_SEED_DIR) / target;
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}
