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

Outcome ReadRows(const std::string& path, std::vector<ChannelRows::Row>& rows)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return IoError(path + ": " + ec.message());
    if (size > ChannelRows::kLargestCsv)
        return Refused(path + ": larger than any channel list (" +
                       std::to_string(ChannelRows::kLargestCsv >> 20) + " MiB)");
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof())
        return IoError(path + ": cannot be read");
    if (std::optional<ChannelRows::Refusal> refusal = ChannelRows::FromCsv(text, rows))
        return RefusedAt(path, *refusal);
    return Succeeded();
}

Outcome ReadImageOrList(const std::string& path, CImageDocument& image, std::vector<ChannelRows::Row>& rows)
{
    std::string error;
    switch (image.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded: return Succeeded();
    case CImageDocument::Load::NotAnImage: return ReadRows(path, rows);
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

int Conclude(CImageDocument& document, const std::optional<ChannelRows::Refusal>& refusal,
             const std::string& rowsPath, const ChannelRows::ChannelChange& change, const std::string& out,
             const std::vector<std::string>& report)
{
    if (refusal)
        return Report(RefusedAt(rowsPath, *refusal));
    ChannelRows::ApplyChannelChange(document.m_database, change);
    if (Outcome saved = SaveImage(document, out); saved.status != Exit::kOk)
        return Report(saved);
    PrintReport(report);
    return Exit::kOk;
}
