// Conversion of the program's Windows-1252 texts for the wide-character API.
#include "platform/win32/binding.h"

namespace {
constexpr UINT WESTERN_EUROPEAN = 1252;
}

std::wstring to_wide(std::string_view text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(WESTERN_EUROPEAN, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(WESTERN_EUROPEAN, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string from_wide(std::wstring_view text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length = WideCharToMultiByte(WESTERN_EUROPEAN, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(WESTERN_EUROPEAN, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}
