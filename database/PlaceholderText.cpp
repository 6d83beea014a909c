#include "PlaceholderText.h"

std::string Fill(const char* format, const std::vector<std::string>& args)
{
    std::string text;
    for (const char* c = format; *c; ++c) {
        if (c[0] == '%' && c[1] >= '1' && c[1] <= '9' && std::size_t(c[1] - '1') < args.size()) {
            text += args[std::size_t(c[1] - '1')];
            ++c;
        } else {
            text += *c;
        }
    }
    return text;
}
