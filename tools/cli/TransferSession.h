// What the upload and download commands share: their arguments, and running
// one transfer to its end as the form's buttons do.
#pragma once

#include "CommandLine.h"
#include "DifferingRecords.h"
#include "PlaceholderText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TransferOptions {
    std::string port;  // COM1, COM2 or a device path
    std::string code;  // four digits as typed in the CODE box; empty: the code file's
    int timeoutSeconds = 60;  // silence that stops the transfer; 0 waits for ever
    std::string logPath;  // where the traffic log goes; empty: none is written
    bool verify = false;  // download: read the image back and compare
    bool keepHistory = true;  // what is read from the receiver goes into its history
    std::string file;
};

enum class Direction { Upload, Download };

// --verify is the download's, --no-history the upload's and the verify's.
Outcome ParseTransferOptions(Arguments args, Direction direction, const char* synopsis,
                             TransferOptions& options);

// The image a transfer sends or brings: for a download the bytes to send
// (the large layout); for an upload what it received, in the layout of the
// receiver's variant (1 small, 2 large).
struct TransferImage {
    std::vector<std::uint8_t> bytes;
    int variant = 0;
};

// Opens the port, starts the transfer and waits for its end, printing its
// status texts and progress, then writes the traffic log when one was asked
// for. Ctrl-C stops it as closing the editor's window does, even a download
// the receiver has locked. Succeeds only when the transfer completed; only
// then does an upload fill `image`.
Outcome RunTransfer(Direction direction, const TransferOptions& options, TransferImage& image);

// Download and Verify as RunTransfer runs a download of `image` (the large
// layout), the read-back within the same --timeout. Succeeds when the
// receiver holds exactly what was sent; exit 1 with `differences` naming the
// records that differ.
Outcome RunVerifiedDownload(const TransferOptions& options, std::span<const std::uint8_t> image,
                            std::vector<RecordDifference>& differences);

// Prints a history warning, when there is one, on stderr.
void ReportHistoryWarning(const PlaceholderText& warning);
