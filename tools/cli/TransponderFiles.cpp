#include "TransponderFiles.h"

#include "ListFiles.h"

Outcome ReadTransponderList(const std::string& path, std::vector<TransponderList::Satellite>& satellites)
{
    std::string text;
    if (Outcome read = ReadTextFile(path, TransponderList::kLargestList, "transponder list", text);
        read.status != Exit::kOk)
        return read;
    if (std::optional<TransponderList::Refusal> refusal = TransponderList::ReadList(text, path, satellites))
        return Refused(path + ": line " + std::to_string(refusal->line) + ": " + Fill(refusal->reason));
    return Succeeded();
}

TransponderList::Satellite* FindSource(std::vector<TransponderList::Satellite>& satellites,
                                       const std::string& source)
{
    const std::optional<int> position = TransponderList::ParsePosition(source);
    for (TransponderList::Satellite& satellite : satellites) {
        if ((position && satellite.position == position) || satellite.name == source)
            return &satellite;
    }
    if (position && satellites.size() == 1 && !satellites.front().position) {
        satellites.front().position = position;
        return &satellites.front();
    }
    return nullptr;
}
