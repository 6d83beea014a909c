// Comma-separated values as RFC 4180 has them: records of fields, a field in
// double quotes when it holds the separator, a quote or a line break, and a
// quote inside quotes doubled. Spreadsheets write the same with a semicolon
// or a TAB in place of the comma.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Csv {

struct Record {
    int line = 0;  // the line it starts on, from 1
    std::vector<std::string> fields;
};

struct Error {
    int line = 0;
    const char* reason = "";  // a constant of namespace Text
};

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The separator of the first line: the first comma, semicolon or TAB in it;
// a comma when it has none.
char SeparatorOf(std::string_view text);

// Splits the text into records of fields separated by `separator`. A record
// ends with CRLF or LF (or the end of the text); an empty line is no record;
// a UTF-8 byte order mark at the start is passed over. The error names the
// first line that breaks the rules.
std::optional<Error> Read(std::string_view text, char separator, std::vector<Record>& records);

// Appends one record and its CRLF.
void Append(std::string& out, const std::vector<std::string>& fields, char separator = ',');

}  // namespace Csv
