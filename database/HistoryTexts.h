// Why the receiver history could not do its part after an upload. The upload
// itself has succeeded; these are warnings. Shared by the editor, which shows
// them translated, and the command-line tool, which prints them in English.
#pragma once

namespace Text {

// %1 is why, e.g. "/home/ana/.local/share/volmaren/receiver: Permission denied".
inline constexpr const char* kHistoryNotKept =
    "The image read from the receiver was not kept in the receiver history: %1";
// %1 is why: the oldest image's path and the system's reason.
inline constexpr const char* kHistoryNotPruned = "The receiver history could not remove its oldest image: %1";

}  // namespace Text
