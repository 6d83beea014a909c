#include "CsvText.h"

#include "ListTexts.h"

namespace Csv {

namespace {

class Reader {
public:
    Reader(std::string_view text, char separator) : m_text(text), m_separator(separator)
    {
        if (m_text.starts_with(kByteOrderMark))
            m_at = kByteOrderMark.size();
    }

    std::optional<Error> ReadAll(std::vector<Record>& records)
    {
        while (m_at < m_text.size()) {
            if (EndOfLine())
                continue;
            Record record{m_line, {}};
            if (std::optional<Error> error = ReadRecord(record.fields, record.line))
                return error;
            records.push_back(std::move(record));
        }
        return std::nullopt;
    }

private:
    bool AtEnd() const { return m_at >= m_text.size(); }

    // Passes over a line ending, if one is next.
    bool EndOfLine()
    {
        const std::size_t length = m_text.substr(m_at).starts_with("\r\n") ? 2 : m_text[m_at] == '\n' ? 1 : 0;
        m_at += length;
        m_line += length ? 1 : 0;
        return length > 0;
    }

    std::optional<Error> ReadRecord(std::vector<std::string>& fields, int start)
    {
        for (;;) {
            std::string field;
            std::optional<Error> error =
                !AtEnd() && m_text[m_at] == '"' ? ReadQuoted(field, start) : ReadPlain(field);
            if (error)
                return error;
            fields.push_back(std::move(field));
            if (AtEnd() || EndOfLine())
                return std::nullopt;
            if (m_text[m_at] != m_separator)
                return Error{m_line, Text::kCsvTextAfterQuote};
            ++m_at;
        }
    }

    std::optional<Error> ReadQuoted(std::string& field, int start)
    {
        ++m_at;
        for (;;) {
            if (AtEnd())
                return Error{start, Text::kCsvQuoteNotClosed};
            const char c = m_text[m_at++];
            if (c == '"') {
                if (AtEnd() || m_text[m_at] != '"')
                    return std::nullopt;
                ++m_at;
            }
            m_line += c == '\n' ? 1 : 0;
            field += c;
        }
    }

    std::optional<Error> ReadPlain(std::string& field)
    {
        while (!AtEnd() && m_text[m_at] != m_separator && m_text[m_at] != '\n') {
            const char c = m_text[m_at];
            if (c == '"')
                return Error{m_line, Text::kCsvStrayQuote};
            if (c == '\r' && !m_text.substr(m_at).starts_with("\r\n"))
                return Error{m_line, Text::kCsvStrayReturn};
            if (c == '\r')
                break;
            field += c;
            ++m_at;
        }
        return std::nullopt;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_line = 1;
};

bool NeedsQuotes(const std::string& field, char separator)
{
    return field.find_first_of("\"\r\n") != std::string::npos || field.find(separator) != std::string::npos;
}

}  // namespace

char SeparatorOf(std::string_view text)
{
    const std::string_view line = text.substr(0, text.find('\n'));
    const std::size_t at = line.find_first_of(",;\t");
    return at == std::string_view::npos ? ',' : line[at];
}

std::optional<Error> Read(std::string_view text, char separator, std::vector<Record>& records)
{
    return Reader(text, separator).ReadAll(records);
}

void Append(std::string& out, const std::vector<std::string>& fields, char separator)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        if (!NeedsQuotes(fields[i], separator)) {
            out += fields[i];
            continue;
        }
        out += '"';
        for (char c : fields[i]) {
            out += c;
            if (c == '"')
                out += '"';
        }
        out += '"';
    }
    out += "\r\n";
}

}  // namespace Csv
