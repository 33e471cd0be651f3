#pragma once

#include <string>
#include <string_view>

#include "platform/win32.h"

namespace quorvel::test {

// For messages: msvcrt prints nothing for Chinese wide strings.
inline std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int wide = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    (void)WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace quorvel::test
