// A message with %1, %2, ... and what fills them, kept apart so that the
// editor can show the message in the user's language and the command-line
// tool as it stands.
#pragma once

#include <string>
#include <vector>

struct PlaceholderText {
    const char* text = "";  // one of the constants of namespace Text
    std::vector<std::string> args;  // %1 first

    bool Empty() const { return *text == '\0'; }
};

// `format` with each %1 to %9 replaced by its argument in one pass, so an
// argument holding "%2" stays as it is. A placeholder without an argument is
// kept.
std::string Fill(const char* format, const std::vector<std::string>& args);
inline std::string Fill(const PlaceholderText& message)
{
    return Fill(message.text, message.args);
}

// What `act` returns; the message it leaves (none on success) filled in
// English into `error`, for the callers that print it as it stands.
template <class Act> auto InEnglish(std::string& error, Act act)
{
    PlaceholderText message;
    auto result = act(message);
    if (!message.Empty())
        error = Fill(message);
    return result;
}
