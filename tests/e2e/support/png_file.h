#pragma once
// A minimal PNG writer: 8-bit RGB, no filtering, stored (uncompressed)
// deflate blocks. Enough for screenshots that a person opens.

#include <cstdint>
#include <string>
#include <vector>

namespace qpad::e2e {

// `rgb` holds width * height pixels of three bytes, rows top to bottom.
std::string EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace qpad::e2e
