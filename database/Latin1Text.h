// The receiver stores names as bytes; text files carry them as UTF-8, each
// byte read as the Latin-1 (ISO 8859-1) character of the same number, so
// that every byte comes back exactly.
#pragma once

#include <string>
#include <string_view>

namespace Latin1 {

std::string ToUtf8(std::string_view bytes);

enum class Decoded { Ok, NotUtf8, BeyondLatin1 };
// The bytes of UTF-8 text whose characters are all Latin-1 ones.
Decoded FromUtf8(std::string_view text, std::string& bytes);
// The same for any text: '?' stands for each character beyond Latin-1 and
// for each byte that is no part of a UTF-8 character.
std::string FromAnyUtf8(std::string_view text);

}  // namespace Latin1
