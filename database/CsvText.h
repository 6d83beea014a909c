// Comma-separated values as RFC 4180 has them: records of fields, a field in
// double quotes when it holds a comma, a quote or a line break, and a quote
// inside quotes doubled.
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

// Splits the text into records. A record ends with CRLF or LF (or the end of
// the text); an empty line is no record; a UTF-8 byte order mark at the start
// is passed over. The error names the first line that breaks the rules.
std::optional<Error> Read(std::string_view text, std::vector<Record>& records);

// Appends one record and its CRLF.
void Append(std::string& out, const std::vector<std::string>& fields);

}  // namespace Csv
