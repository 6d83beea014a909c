// volmaren-cli export IMAGE OUT.csv [--separator ,|;|tab]
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"

#include <algorithm>

namespace {

// The usage message scripts have seen; --help names --separator.
constexpr const char* kSynopsis = "export IMAGE OUT.csv";

// The cells' separator, and the image and the list file.
Outcome ParseExport(Arguments args, char& separator, std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--separator") {
            files.push_back(args[i]);
            continue;
        }
        const std::string word = i + 1 < args.size() ? args[++i] : "";
        if (word != "," && word != ";" && word != "tab")
            return UsageError("--separator takes , or ; or tab, not '" + word + "'");
        separator = word == "tab" ? '\t' : word[0];
    }
    return CheckArgumentCount(files, 2, 2, kSynopsis);
}

}  // namespace

int RunExport(Arguments args)
{
    char separator = ',';
    std::vector<std::string> files;
    if (Outcome parsed = ParseExport(args, separator, files); parsed.status != Exit::kOk)
        return Report(parsed);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, files[0]); opened.status != Exit::kOk)
        return Report(opened);
    const std::vector<ChannelRows::Row> rows = ChannelRows::ExportRows(document.m_database);
    if (Outcome written = WriteText(files[1], ChannelRows::ToCsv(rows, separator));
        written.status != Exit::kOk)
        return Report(written);
    const auto radio =
        std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.kind == kRadio; });
    PrintReport({"exported: " + std::to_string(rows.size() - std::size_t(radio)) + " tv, " +
                 std::to_string(radio) + " radio"});
    return Exit::kOk;
}
