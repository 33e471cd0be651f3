#pragma once

#include <string>
#include <string_view>

namespace quorvel::test {

// UTF-8 for messages: the C runtime prints nothing for Chinese wide strings.
std::string Utf8(std::wstring_view text);

std::wstring FromUtf8(std::string_view text);

}  // namespace quorvel::test
