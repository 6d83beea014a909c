// The receiver link's messages and status texts, shared by the editor's form
// and the command-line tool.
#pragma once

namespace Text {

// Serial port.
inline constexpr const char* kSetComStateFailed = "Error : Set COM1 State";
inline constexpr const char* kCloseComFailed = "Error : Close COM Port";
inline constexpr const char* kPortConnectOk = "COM(%d) port Connect OK";  // with the port number
inline constexpr const char* kConnectOk = "COM port Connect OK";

// Status line of a transfer.
inline constexpr const char* kWaitForUpload = "Reset your STB and Wait for uploading...";
inline constexpr const char* kWaitForDownload = "Reset your STB and Wait for Downloading...";
inline constexpr const char* kReceiving = "Receiving DATA...";
inline constexpr const char* kReceiveProgress = "(%d / %d) %d%%";  // received, length, percent
inline constexpr const char* kSending = "Sending DATA...";
inline constexpr const char* kUploadStopped = "Interupted by User.  Please Reset your STB.";
inline constexpr const char* kDownloadStopped = "Terminate by User. Please Reset your STB.";
inline constexpr const char* kDownloadComplete = "Download complete";
inline constexpr const char* kLastTransferEnding = "The last transfer is still ending. Please try again.";
inline constexpr const char* kTransferNotStarted = "The transfer could not start: no worker thread.";

// Messages of the transfer commands.
inline constexpr const char* kNoDownloadData = "No downloading data has been selected";
inline constexpr const char* kNotSaved = "STB image File don't saved";
inline constexpr const char* kInvalidSystemCode = "Invalid System Code";
inline constexpr const char* kBouquetNotice = "Notice : Your current Bouquet data will be initialized";

}  // namespace Text
