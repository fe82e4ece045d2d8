#pragma once

// The bytes of a file as they stand on disk, for tests that compare what was written or read.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace obrix::records::testing {

inline std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace obrix::records::testing
