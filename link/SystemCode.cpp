#include "SystemCode.h"

#include "UserFolders.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

int DigitValue(char c)
{
    // The character is taken as a signed 8-bit code, as the receiver's
    // original software did; a byte above 0x7F therefore counts negative.
    const int code = static_cast<signed char>(c);
    if (code >= 0x61 && code <= 0x66)
        return code - 0x57;
    if (code >= 0x41)
        return code - 0x37;
    return code - 0x30;
}

}  // namespace

std::string SystemCodePath()
{
    const char* configured = std::getenv("VOLMAREN_CODE_FILE");
    if (configured != nullptr && *configured != '\0')
        return configured;
    const std::filesystem::path folder = XdgFolder("XDG_CONFIG_HOME", ".config") / "volmaren";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return (folder / "kestrune.tmp").string();
}

CSystemCode::CSystemCode() : CSystemCode(SystemCodePath())
{
}

CSystemCode::CSystemCode(std::string path) : m_szPath(std::move(path))
{
    Load();
}

void CSystemCode::Load()
{
    m_wValue = 0;
    const int fd = open(m_szPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        unsigned char bytes[2] = {0, 0};
        std::size_t got = 0;
        while (got < 2) {
            const ssize_t count = read(fd, bytes + got, 2 - got);
            if (count <= 0)
                break;
            got += static_cast<std::size_t>(count);
        }
        close(fd);
        m_wValue = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
        return;
    }
    // Never truncate a file that exists but could not be read.
    const int created = open(m_szPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (created < 0)
        return;
    const unsigned char zero[2] = {0, 0};
    [[maybe_unused]] const ssize_t written = write(created, zero, 2);
    close(created);
}

bool CSystemCode::SetFromText(const std::string& text)
{
    if (text.size() != 4)
        return false;
    m_wValue = ParseText(text);
    Save();
    return true;
}

std::uint16_t CSystemCode::ParseText(const std::string& fourChars)
{
    int value = 0;
    for (char c : fourChars.substr(0, 4))
        value = value * 16 + DigitValue(c);
    return static_cast<std::uint16_t>(value);
}

bool CSystemCode::IsTypedCode(const std::string& text)
{
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) != 0;
           });
}

std::string CSystemCode::Text() const
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", m_wValue);
    return text;
}

void CSystemCode::Save() const
{
    // Only an existing file is written: without one the code lives in memory.
    const int fd = open(m_szPath.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    const unsigned char bytes[2] = {static_cast<unsigned char>(m_wValue & 0xFF),
                                    static_cast<unsigned char>(m_wValue >> 8)};
    [[maybe_unused]] const ssize_t written = pwrite(fd, bytes, 2, 0);
    close(fd);
}
