// The receiver link's messages and status texts, shared by the editor's form
// and the command-line tool.
#pragma once

namespace Text {

// Serial port.
inline constexpr const char* kSetComStateFailed = "Error : Set COM1 State";
inline constexpr const char* kCloseComFailed = "Error : Close COM Port";
inline constexpr const char* kPortConnectOk = "COM(%d) port Connect OK";  // with the port number
inline constexpr const char* kConnectOk = "COM port Connect OK";

// Why a port did not open, and what to do: %1 is the device.
inline constexpr const char* kPortDenied =
    "Permission denied: you may not open %1. Ask the administrator for access to it.";
// %2 is the group owning the device, %3 the user.
inline constexpr const char* kPortDeniedToUser =
    "Permission denied: %1 belongs to the group %2. Add yourself "
    "to it with \"sudo usermod -aG %2 %3\", then log out and back in.";
inline constexpr const char* kPortBusy = "Device busy: %1 is in use by another program. Close that program "
                                         "(\"fuser -v %1\" names it), then connect again.";
inline constexpr const char* kPortMissing =
    "No such device: %1. Check that the adapter is plugged in, or pick another port.";
inline constexpr const char* kPortNotSerial =
    "Not a serial port: %1. Pick a port from the list of serial ports.";
// %2 is the system's reason.
inline constexpr const char* kPortNotOpened = "Cannot open %1: %2.";
inline constexpr const char* kPortSettingsRefused = "%1 does not take 115200 baud, 8N1: %2.";

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
