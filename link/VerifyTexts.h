// The status texts of Download and Verify, shared by the editor's form and
// the command-line tool.
#pragma once

namespace Text {

inline constexpr const char* kVerifyReset = "Download complete. Reset your STB and Wait for verifying...";
inline constexpr const char* kVerified = "Verified: the receiver holds exactly what was sent.";
inline constexpr const char* kNotVerified = "Not verified: the receiver holds other data than what was sent.";
inline constexpr const char* kVerifyStopped =
    "Download complete, but not verified: the read-back was stopped. Please Reset your STB.";

}  // namespace Text
