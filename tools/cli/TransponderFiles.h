// Transponder list files for the commands that read them: the file's
// satellites, and the one a --source argument names.
#pragma once

#include "CommandLine.h"
#include "TransponderList.h"

#include <string>
#include <vector>

// Reads satellites.xml or a dvbv5 channel file; one that breaks a rule is
// refused with the file, the line and the reason.
Outcome ReadTransponderList(const std::string& path, std::vector<TransponderList::Satellite>& satellites);

// The satellite at the position `source` gives ("19.2E"), or else of that
// name; nullptr when there is none. A dvbv5 file whose name gives no
// position takes the position `source` gives.
TransponderList::Satellite* FindSource(std::vector<TransponderList::Satellite>& satellites,
                                       const std::string& source);
