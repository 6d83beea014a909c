#include "JsonOutput.h"

#include "Latin1Text.h"

#include <iostream>

namespace {

bool g_bJson = false;

}  // namespace

void PrintJsonInstead(bool json)
{
    g_bJson = json;
}

bool JsonWanted()
{
    return g_bJson;
}

void PrintJson(const Json& document)
{
    // Port descriptions come from the system as they are; a byte that is no
    // UTF-8 must not end the command.
    std::cout << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

Json ReceiverText(const std::string& bytes)
{
    return Latin1::ToUtf8(bytes);
}

void ListOutput::Row(const std::string& line, Json fields)
{
    if (!JsonWanted()) {
        std::cout << line << '\n';
        return;
    }
    Json row = {{"position", m_rows.size() + 1}};
    row.update(fields);
    m_rows.push_back(std::move(row));
}

void ListOutput::Finish() const
{
    if (JsonWanted())
        PrintJson(m_rows);
}
