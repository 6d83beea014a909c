// volmaren-cli diff A B [--json]
#include "Commands.h"
#include "Comparison.h"
#include "DiffReport.h"
#include "ImageDocument.h"
#include "ListFiles.h"
#include "SystemTexts.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr const char* kSynopsis = "usage: volmaren-cli diff A B [--json]";

// A refusal would read as "there are differences": a file the comparison
// cannot take is one that could not be read.
Outcome Unreadable(Outcome outcome)
{
    if (outcome.status == Exit::kRefused)
        outcome.status = Exit::kIo;
    return outcome;
}

Outcome ReadOurs(const std::string& path, CImageDocument& ours)
{
    std::string error;
    switch (ours.LoadFile(path, error)) {
    case CImageDocument::Load::Loaded: return Succeeded();
    case CImageDocument::Load::NotAnImage: return IoError(path + ": " + Text::kNotAnImage);
    case CImageDocument::Load::Error: break;
    }
    return IoError(error);
}

Outcome ReadTheirs(const std::string& path, Diff::OtherSide& theirs)
{
    CImageDocument image;
    std::vector<ChannelRows::Row> rows;
    std::optional<ChannelRows::CsvForm> form;
    if (Outcome read = ReadImageOrList(path, image, rows, form); read.status != Exit::kOk)
        return Unreadable(read);
    theirs = image.m_bNoData ? Diff::FromRows(rows) : Diff::FromImage(image.m_database);
    return Succeeded();
}

}  // namespace

int RunDiff(Arguments args)
{
    std::vector<std::string> files(args.begin(), args.end());
    const auto option = std::find(files.begin(), files.end(), "--json");
    const bool json = option != files.end();
    if (json)
        files.erase(option);
    if (files.size() != 2)
        return Report(UsageError(kSynopsis));

    CImageDocument ours;
    if (Outcome read = ReadOurs(files[0], ours); read.status != Exit::kOk)
        return Report(read);
    Diff::OtherSide theirs;
    if (Outcome read = ReadTheirs(files[1], theirs); read.status != Exit::kOk)
        return Report(read);

    const Diff::Comparison comparison = Diff::Compare(ours.m_database, theirs);
    if (json) {
        std::cout << DiffJson(comparison);
    } else {
        for (const std::string& line : DiffLines(comparison))
            std::cout << line << '\n';
    }
    return comparison.Same() ? Exit::kSame : Exit::kDifferent;
}
