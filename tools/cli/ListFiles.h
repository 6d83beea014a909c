// Channel list files: CSV text read into rows, text files written safely,
// and the reports the list commands print on stderr.
#pragma once

#include "ChannelChange.h"
#include "ChannelRows.h"
#include "CommandLine.h"

#include <string>
#include <vector>

// Reads the CSV file's rows; a text that breaks a rule is refused with the
// file, the line and the reason.
Outcome ReadRows(const std::string& path, std::vector<ChannelRows::Row>& rows);

class CImageDocument;

// An image file, opened into `image`, or else a channel list read into
// `rows`; image.m_bNoData tells which. A list that breaks a rule is refused
// as ReadRows refuses it.
Outcome ReadImageOrList(const std::string& path, CImageDocument& image, std::vector<ChannelRows::Row>& rows);

// Writes the text as images are written, keeping a file it replaces as
// SaveImage does.
Outcome WriteText(const std::string& path, const std::string& text);

void PrintReport(const std::vector<std::string>& lines);

// What an import or an applied order ends with: the refusal, with the file
// and the line, or the change applied, the image saved and the report.
int Conclude(CImageDocument& document, const std::optional<ChannelRows::Refusal>& refusal,
             const std::string& rowsPath, const ChannelRows::ChannelChange& change, const std::string& out,
             const std::vector<std::string>& report);
