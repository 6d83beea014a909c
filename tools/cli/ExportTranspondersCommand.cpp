// volmaren-cli export-transponders IMAGE OUT.xml
#include "Commands.h"
#include "ImageDocument.h"
#include "ImageIo.h"
#include "ListFiles.h"
#include "TransponderUpdate.h"

int RunExportTransponders(Arguments args)
{
    if (Outcome count = CheckArgumentCount(args, 2, 2, "export-transponders IMAGE OUT.xml");
        count.status != Exit::kOk)
        return Report(count);
    CImageDocument document;
    if (Outcome opened = OpenImage(document, args[0]); opened.status != Exit::kOk)
        return Report(opened);
    std::vector<std::string> leftOut;
    const std::vector<TransponderList::Satellite> satellites =
        TransponderUpdate::ExportSatellites(document.m_database, leftOut);
    if (Outcome written = WriteText(args[1], TransponderList::WriteSatellitesXml(satellites));
        written.status != Exit::kOk)
        return Report(written);
    std::size_t transponders = 0;
    for (const TransponderList::Satellite& satellite : satellites)
        transponders += satellite.transponders.size();
    std::vector<std::string> report{"exported: " + std::to_string(satellites.size()) + " satellites, " +
                                    std::to_string(transponders) + " transponders"};
    for (const std::string& name : leftOut)
        report.push_back("left out: " + name + " (its name gives no position)");
    PrintReport(report);
    return Exit::kOk;
}
