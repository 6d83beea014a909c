// Exit status of volmaren-cli.
#pragma once

namespace Exit {
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;  // the system's own refusal, on stderr
inline constexpr int kInconsistent = 1;  // check: the image has inconsistencies
inline constexpr int kSame = 0;  // diff: no difference
inline constexpr int kDifferent = 1;  // diff: differences
inline constexpr int kNotVerified = 1;  // download --verify: the receiver holds other data
inline constexpr int kUsage = 2;  // bad arguments, or an index that names no record
inline constexpr int kStopped = 3;  // a transfer stopped, or no byte for --timeout seconds
inline constexpr int kIo = 4;  // a file could not be read or written
}  // namespace Exit
