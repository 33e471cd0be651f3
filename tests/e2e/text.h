#pragma once

#include <string>
#include <string_view>

namespace quorvel::e2e {

// UTF-8 for printing: the C runtime prints no Chinese through "%ls".
std::string Utf8(std::wstring_view text);

std::wstring FromUtf8(std::string_view text);

}  // namespace quorvel::e2e
