// Runs the built volmaren-cli in a scratch folder of its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

using Lines = std::vector<std::string>;

// The lines of a program's output, each without its newline.
inline Lines SplitLines(const std::string& text)
{
    Lines lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

class CliRunner {
public:
    CliRunner();
    ~CliRunner();
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    // A path in the scratch folder.
    std::string Path(const std::string& name) const;
    CliResult Run(const std::vector<std::string>& args) const;

    static std::vector<std::uint8_t> Read(const std::string& path);
    static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes);

private:
    std::filesystem::path m_dir;
};
