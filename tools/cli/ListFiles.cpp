#include "ListFiles.h"

#include "ImageDocument.h"
#include "ImageFile.h"
#include "ImageIo.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

Outcome RefusedAt(const std::string& path, const ChannelRows::Refusal& refusal)
{
    return Refused(path + ": line " + std::to_string(refusal.line) + ": " + refusal.reason);
}

}  // namespace

Outcome ReadTextFile(const std::string& path, std::uintmax_t largest, const char* what, std::string& text)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return IoError(path + ": " + ec.message());
    if (size > largest)
        return Refused(path + ": larger than any " + what + " (" + std::to_string(largest >> 20) + " MiB)");
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof())
        return IoError(path + ": cannot be read");
    return Succeeded();
}

Outcome ReadRows(const std::string& path, std::vector<ChannelRows::Row>& rows, ChannelRows::CsvForm& form)
{
    std::string text;
    if (Outcome read = ReadTextFile(path, ChannelRows::kLargestCsv, "channel list", text);
        read.status != Exit::kOk)
        return read;
    if (std::optional<ChannelRows::Refusal> refusal = ChannelRows::FromCsv(text, rows, form))
        return RefusedAt(path, *refusal);
    return Succeeded();
}

Outcome ReadImageOrList(const std::string& path, CImageDocument& image, std::vector<ChannelRows::Row>& rows,
                        std::optional<ChannelRows::CsvForm>& form)
{
    std::string error;
    switch (image.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded: return Succeeded();
    case CImageDocument::Load::NotAnImage: return ReadRows(path, rows, form.emplace());
    case CImageDocument::Load::Error: break;
    }
    return IoError(error);
}

Outcome WriteText(const std::string& path, const std::string& text)
{
    std::string error;
    if (!ImageFile::WriteAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                                    error, BackupChoice()))
        return IoError(error);
    return Succeeded();
}

void PrintReport(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        std::cerr << line << '\n';
}

ListReport ReportOfReading(const ChannelRows::CsvForm* form)
{
    ListReport report;
    if (form && form->windows1252)
        report.lines.push_back(Fill(form->ReadingNote()));
    report.fields["encoding"] = !form ? Json() : Json(form->windows1252 ? "Windows-1252" : "UTF-8");
    return report;
}

Json UnmatchedRowsJson(const std::vector<ChannelRows::UnmatchedRow>& rows)
{
    Json list = Json::array();
    for (const ChannelRows::UnmatchedRow& row : rows)
        list.push_back(
            {{"line", row.line}, {"text", row.text}, {"why", row.why.empty() ? Json() : Json(row.why)}});
    return list;
}

int Conclude(CImageDocument& document, const std::optional<ChannelRows::Refusal>& refusal,
             const std::string& rowsPath, const ChannelRows::ChannelChange& change, const std::string& out,
             const ListReport& report)
{
    if (refusal)
        return Report(RefusedAt(rowsPath, *refusal));
    ChannelRows::ApplyChannelChange(document.m_database, change);
    if (Outcome saved = SaveImage(document, out); saved.status != Exit::kOk)
        return Report(saved);
    if (JsonWanted())
        PrintJson(report.fields);
    else
        PrintReport(report.lines);
    return Exit::kOk;
}
