// volmaren-cli sources LIST
#include "Commands.h"
#include "TransponderFiles.h"

#include <algorithm>
#include <iostream>

int RunSources(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 1, 1, "sources LIST"); count.status != Exit::kOk)
        return Report(count);
    std::vector<TransponderList::Satellite> satellites;
    if (Outcome read = ReadTransponderList(args[0], satellites); read.status != Exit::kOk)
        return Report(read);
    for (const TransponderList::Satellite& satellite : satellites) {
        // A name the file writes with character references may hold what
        // would end its field or its line.
        std::string name = satellite.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
        std::cout << (satellite.position ? TransponderList::PositionText(*satellite.position) : "") << '\t'
                  << name << '\t' << satellite.transponders.size() << '\n';
    }
    return Exit::kOk;
}
