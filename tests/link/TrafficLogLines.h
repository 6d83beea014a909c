// Reads a traffic log's text back into its lines, as a person's script would.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

struct LogLine {
    unsigned long ms = 0;
    std::string direction;
    std::string step;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<LogLine> ParseLog(const std::string& text)
{
    std::vector<LogLine> lines;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        if (row.starts_with('#'))
            continue;
        std::istringstream fields(row);
        LogLine line;
        std::string ms, hex;
        std::getline(fields, ms, '\t');
        std::getline(fields, line.direction, '\t');
        std::getline(fields, line.step, '\t');
        std::getline(fields, hex);
        line.ms = std::stoul(ms);
        std::istringstream bytes(hex);
        unsigned value = 0;
        while (bytes >> std::hex >> value)
            line.bytes.push_back(static_cast<std::uint8_t>(value));
        lines.push_back(line);
    }
    return lines;
}
