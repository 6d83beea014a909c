// A recovery copy: what the editor keeps of a document with unsaved changes,
// so that a crash or a power cut costs none of them.
//
// On disk: the line "VOLMAREN RECOVERY 1", then one zstd frame with its
// content checksum, so that a torn or damaged copy is told apart from a
// whole one. The frame holds the time (8 bytes, seconds since 1970), the
// document's file and the label of its last change (each a 4-byte length and
// its bytes) and the working image; integers are little-endian.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct RecoverySnapshot {
    std::int64_t time = 0;  // when the copy was taken, seconds since 1970
    std::string file;  // the file the document belongs to; empty when none
    std::string label;  // of the last change
    std::vector<std::uint8_t> image;  // the working image, Image::kLargeSize bytes
};

namespace RecoveryFormat {

std::vector<std::uint8_t> Encode(const RecoverySnapshot& snapshot);
// False for bytes that are not one whole copy as Encode writes it.
bool Decode(std::span<const std::uint8_t> bytes, RecoverySnapshot& snapshot);

}  // namespace RecoveryFormat
