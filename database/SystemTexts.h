// The system's own messages, shared by the editor and the command-line tool.
#pragma once

namespace Text {

inline constexpr const char* kAppTitle = "Volmaren";
inline constexpr const char* kWarningCaption = "WARNING : Volmaren";

// Document.
inline constexpr const char* kNotAnImage = "File is not STB Data image.";
inline constexpr const char* kSaveChanges = "Save changes to current STB file?";

// Limits checked before an addition.
inline constexpr const char* kSatellitesFull = "Satellite Count is full.";
inline constexpr const char* kTranspondersFull = "Maximum number of 4000 Transponders can be Saved.";
inline constexpr const char* kTvFull = "TV Channel is full";
inline constexpr const char* kRadioFull = "Radio Channel is full";

// Dialog checks.
inline constexpr const char* kPositiveInteger = "Please enter a positive integer.";
// A five-digit field can hold more than its 16-bit record field takes.
inline constexpr const char* kAbove65535 = "Please enter a number from 0 to 65535.";
inline constexpr const char* kSatelliteNameEmptyAdd = "Satellite name is empty.";
inline constexpr const char* kSatelliteNameEmptyEdit = "You don't input satellite information";
inline constexpr const char* kTransponderEmpty = "Transponder information is empty";
inline constexpr const char* kChannelEmptyAdd = "Channel Information is empty.";
inline constexpr const char* kChannelEmptyEdit = "Channel Data is empty";

}  // namespace Text
