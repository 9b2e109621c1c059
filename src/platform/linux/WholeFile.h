#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lumora {

// The bytes of a file, read to its end (so also a /proc file, whose size shows as 0); empty
// when it cannot be read.
inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lumora
