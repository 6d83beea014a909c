// --json: a command prints one JSON document on stdout in place of its text,
// with keys named after the fields and columns of that text.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

using Json = nlohmann::ordered_json;

// Whether the command was given --json.
void PrintJsonInstead(bool json);
bool JsonWanted();

void PrintJson(const Json& document);

// A text of the receiver's bytes as a JSON string (Latin-1 read as UTF-8, as
// the channel lists have it).
Json ReceiverText(const std::string& bytes);

// The rows of a list: each gets its 1-based "position" first. The text
// line is printed at once without --json; with it the rows are gathered
// and printed as one array by Finish().
class ListOutput {
public:
    void Row(const std::string& line, Json fields);
    void Finish() const;

private:
    Json m_rows = Json::array();
};
