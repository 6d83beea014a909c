// Channel list files: CSV text read into rows, text files written safely,
// and the reports the list commands print on stderr.
#pragma once

#include "ChannelChange.h"
#include "ChannelRows.h"
#include "CommandLine.h"
#include "ImportPlan.h"
#include "JsonOutput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads a whole text file; one larger than `largest` bytes is refused as no
// `what` ("channel list").
Outcome ReadTextFile(const std::string& path, std::uintmax_t largest, const char* what, std::string& text);

// Reads the CSV file's rows; a text that breaks a rule is refused with the
// file, the line and the reason. `form` says how the file was written.
Outcome ReadRows(const std::string& path, std::vector<ChannelRows::Row>& rows, ChannelRows::CsvForm& form);

// A report's lines, and the same as a JSON object.
struct ListReport {
    std::vector<std::string> lines;
    Json fields;
};
// Starts a report with how its list was read: a line only for a list read
// as Windows-1252; the key "encoding", null for no list.
ListReport ReportOfReading(const ChannelRows::CsvForm* form);

class CImageDocument;

// An image file, opened into `image`, or else a channel list read into
// `rows` with its `form`; image.m_bNoData tells which. A list that breaks a
// rule is refused as ReadRows refuses it.
Outcome ReadImageOrList(const std::string& path, CImageDocument& image, std::vector<ChannelRows::Row>& rows,
                        std::optional<ChannelRows::CsvForm>& form);

// Writes the text as images are written, keeping a file it replaces as
// SaveImage does.
Outcome WriteText(const std::string& path, const std::string& text);

void PrintReport(const std::vector<std::string>& lines);

// "unmatched" rows as JSON objects: "line", "text" and "why" (null when no
// addition was asked for).
Json UnmatchedRowsJson(const std::vector<ChannelRows::UnmatchedRow>& rows);

// What an import or an applied order ends with: the refusal, with the file
// and the line, or the change applied, the image saved and the report (its
// lines on stderr, or its JSON on stdout).
int Conclude(CImageDocument& document, const std::optional<ChannelRows::Refusal>& refusal,
             const std::string& rowsPath, const ChannelRows::ChannelChange& change, const std::string& out,
             const ListReport& report);
