#pragma once
// Qpad as an application: the title that its message boxes carry.

namespace qpad::resident {

inline constexpr wchar_t kApplicationTitle[] = L"Quillpad";

}  // namespace qpad::resident
