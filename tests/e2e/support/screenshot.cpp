#include "tests/e2e/support/screenshot.h"

#include <windows.h>

#include <fstream>
#include <vector>

#include "platform/text_codec.h"
#include "platform/win32/unique_handle.h"
#include "tests/e2e/support/bench_paths.h"
#include "tests/e2e/support/png_file.h"

namespace qpad::e2e {
namespace {

std::vector<uint8_t> CaptureScreen(int width, int height) {
  std::vector<uint8_t> rgb;
  HDC screen = ::GetDC(nullptr);
  if (!screen) return rgb;
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  platform::win32::UniqueGdiObject<HBITMAP> bitmap(
      ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (memory && bitmap) {
    HGDIOBJ old = ::SelectObject(memory, bitmap.Get());
    if (::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY | CAPTUREBLT)) {
      ::GdiFlush();
      const auto* bgra = static_cast<const uint8_t*>(bits);
      rgb.resize(static_cast<size_t>(width) * height * 3);
      for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
        rgb[3 * i] = bgra[4 * i + 2];
        rgb[3 * i + 1] = bgra[4 * i + 1];
        rgb[3 * i + 2] = bgra[4 * i];
      }
    }
    ::SelectObject(memory, old);
  }
  if (memory) ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return rgb;
}

}  // namespace

std::filesystem::path SaveScreenshot(const std::string& name) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<uint8_t> rgb = CaptureScreen(width, height);
  if (rgb.empty()) return {};
  std::filesystem::create_directories(ShotsFolder());
  std::filesystem::path path = ShotsFolder() / platform::Utf8ToWide(name + ".png");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string png = EncodePng(width, height, rgb);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  return out ? path : std::filesystem::path();
}

}  // namespace qpad::e2e
