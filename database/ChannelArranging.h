// What the arranging of many channels at once takes: the keys a range of
// channels is sorted by, and the flags one edit sets on many channels.
#pragma once

#include <cstdint>
#include <optional>

enum class ChannelSortKey {
    Name,  // bytes after upper-casing A-Z
    Frequency,  // the transponder's frequency, then its polarization, V before H
    Satellite,  // the satellite's table index, then as Frequency
    FreeToAir,  // free-to-air before scrambled
};

// A field left empty keeps each channel's own value.
struct ChannelFlagChanges {
    std::optional<bool> lock;
    std::optional<bool> skip;
    std::optional<int> audio;  // an Entries::kAudio index
    std::uint8_t joinGroups = 0;  // GroupBit()s set in every channel
    std::uint8_t leaveGroups = 0;  // GroupBit()s cleared in every channel; wins over joinGroups

    bool ChangesGroups() const { return (joinGroups | leaveGroups) != 0; }
};

// Sorting and searching fold the case of a-z only: the receiver's names are
// bytes of no stated code page.
constexpr unsigned char UpperAZ(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
