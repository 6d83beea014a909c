// volmaren-cli sources LIST
#include "Commands.h"
#include "TransponderFiles.h"

#include <iostream>

int RunSources(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 1, 1, "sources LIST"); count.status != Exit::kOk)
        return Report(count);
    std::vector<TransponderList::Satellite> satellites;
    if (Outcome read = ReadTransponderList(args[0], satellites); read.status != Exit::kOk)
        return Report(read);
    for (const TransponderList::Satellite& satellite : satellites) {
        std::cout << (satellite.position ? TransponderList::PositionText(*satellite.position) : "") << '\t'
                  << satellite.name << '\t' << satellite.transponders.size() << '\n';
    }
    return Exit::kOk;
}
