#include "tests/e2e/support/png_file.h"

#include <array>

namespace qpad::e2e {
namespace {

uint32_t Crc32(const std::string& bytes, size_t from) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = from; i < bytes.size(); ++i)
    c = table[(c ^ static_cast<uint8_t>(bytes[i])) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void Put32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  size_t start = out.size();
  out += type;
  out += data;
  Put32(out, Crc32(out, start));
}

// zlib stream of stored blocks.
std::string Deflated(const std::string& raw) {
  std::string out = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (char c : raw) {
    a = (a + static_cast<uint8_t>(c)) % 65521;
    b = (b + a) % 65521;
  }
  size_t at = 0;
  do {
    size_t size = raw.size() - at < 65535 ? raw.size() - at : 65535;
    bool last = at + size == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(size & 0xFF);
    out += static_cast<char>(size >> 8);
    out += static_cast<char>(~size & 0xFF);
    out += static_cast<char>((~size >> 8) & 0xFF);
    out.append(raw, at, size);
    at += size;
  } while (at < raw.size());
  Put32(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string EncodePng(int width, int height, const std::vector<uint8_t>& rgb) {
  std::string raw;
  raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // no filter
    raw.append(reinterpret_cast<const char*>(rgb.data()) + static_cast<size_t>(y) * 3 * width,
               3 * static_cast<size_t>(width));
  }
  std::string header;
  Put32(header, static_cast<uint32_t>(width));
  Put32(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace

  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", Deflated(raw));
  Chunk(png, "IEND", {});
  return png;
}

}  // namespace qpad::e2e
