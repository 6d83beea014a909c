// The system code the receiver checks in every handshake, and the file that
// keeps it between runs: exactly its 2 bytes, low byte first.
#pragma once

#include <cstdint>
#include <string>

class CSystemCode {
public:
    // Loads from SystemCodePath().
    CSystemCode();
    // Loads from `path`.
    explicit CSystemCode(std::string path);

    // Reads the file; a missing file is created holding 00 00.
    void Load();
    std::uint16_t Get() const { return m_wValue; }
    // The CODE box's text: a text of exactly 4 characters becomes the value
    // (see ParseText) and is written over the first 2 bytes of the existing
    // file. Any other length changes nothing and returns false.
    bool SetFromText(const std::string& text);
    // The value as the CODE box shows it: four lower-case hex digits.
    std::string Text() const;
    const std::string& Path() const { return m_szPath; }

    // Four characters read as hex digits, each by the receiver's own rule:
    // typed decimal digits "1234" give 0x1234.
    static std::uint16_t ParseText(const std::string& fourChars);
    // What the CODE box lets a user type in full: exactly four digits.
    static bool IsTypedCode(const std::string& text);

private:
    void Save() const;

    std::string m_szPath;
    std::uint16_t m_wValue = 0;
};

// $VOLMAREN_CODE_FILE when set and not empty, else kestrune.tmp in the user's
// configuration folder ($XDG_CONFIG_HOME/volmaren, else ~/.config/volmaren),
// which is created when missing.
std::string SystemCodePath();
