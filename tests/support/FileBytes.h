#pragma once

#include <fstream>
#include <iterator>
#include <string>

// A whole file's bytes ("" if it cannot be read), and a file made of `bytes`.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
