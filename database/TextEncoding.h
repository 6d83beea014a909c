// Telling UTF-8 text from text in the Windows code page that spreadsheets on
// Western European systems save in, and turning the latter into UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace Encoding {

// Every byte belongs to a well-formed UTF-8 sequence (no overlong form, no
// surrogate, nothing above U+10FFFF).
bool IsUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// become the C1 control characters of their number, as Windows reads them.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace Encoding
