// The receiver history: every image read from the receiver, kept as it came
// in a file that File > Open reads, so that the list a receiver held before
// it was edited outlives the window. The newest kCapacity entries stay.
//
// An entry is named by the local time of its upload,
// 2026-12-07_17-42-05.dat; a second one within the same second gets
// 2026-12-07_17-42-05_2.dat, and so on. Files of other names in the folder
// are neither listed nor removed.
#pragma once

#include "PlaceholderText.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace ReceiverHistory {

inline constexpr std::size_t kCapacity = 50;

// $XDG_DATA_HOME/volmaren/receiver, else ~/.local/share/volmaren/receiver.
std::filesystem::path Folder();

// Keeps the image, in the layout of `variant` (1: 0x60800 bytes, 2: 0xA0800)
// as it was received, as a new entry of `folder` (created when missing) named
// by the local time `when`, then removes the oldest entries beyond
// kCapacity. Returns the new entry's path; empty, with `warning` saying why,
// when none could be written. An old entry that could not be removed also
// leaves a warning.
std::filesystem::path Keep(const std::filesystem::path& folder, std::time_t when, const std::uint8_t* image,
                           int variant, PlaceholderText& warning);
// In Folder(), at the current time.
std::filesystem::path Keep(const std::uint8_t* image, int variant, PlaceholderText& warning);

struct Entry {
    std::filesystem::path path;
    std::string date;  // the local time of the upload: "2026-12-07 17:42:05"
    int variant = 0;  // 1 small, 2 large; 0 when the file no longer holds an image
    int tvCount = 0;
    int radioCount = 0;
};

// The entries of `folder`, newest first; none when it does not exist.
std::vector<Entry> List(const std::filesystem::path& folder = Folder());

}  // namespace ReceiverHistory
