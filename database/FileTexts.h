// Why an image file could not be read or written: %1 is the file's path,
// %2 the system's reason. Shared by the editor, which shows them translated,
// and the command-line tool, which prints them in English.
#pragma once

namespace Text {

inline constexpr const char* kFileFailed = "%1: %2";
inline constexpr const char* kNotRegularFile = "%1: not a regular file";
inline constexpr const char* kFileUnreadable = "%1: cannot be read";
inline constexpr const char* kFileUnwritable = "%1: cannot be written";
inline constexpr const char* kNothingWritten = "%1: nothing written";
inline constexpr const char* kUnreadableForBackup = "%1: cannot be read for its backup";
inline constexpr const char* kBackupNotKept = "%1: the file was saved, but its backup could not be kept: %2";

}  // namespace Text
