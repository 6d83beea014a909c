// The operations of `volmaren-cli edit`, each the composite database
// operation one command of the editor performs, with the command's checks.
#pragma once

#include "CommandLine.h"

class CChannelDatabase;

struct EditOperation {
    const char* name;
    std::size_t minArgs;
    std::size_t maxArgs;
    const char* synopsis;  // for messages and --help
    Outcome (*apply)(CChannelDatabase& db, Arguments args);
};

std::span<const EditOperation> EditOperations();
const EditOperation* FindEditOperation(const std::string& name);

// Deleting, moving and upkeep.
Outcome DeleteSatellites(CChannelDatabase& db, Arguments args);
Outcome DeleteTransponders(CChannelDatabase& db, Arguments args);
Outcome DeleteChannels(CChannelDatabase& db, Arguments args);
Outcome MoveChannels(CChannelDatabase& db, Arguments args);
Outcome SwapChannels(CChannelDatabase& db, Arguments args);
Outcome UpdateContext(CChannelDatabase& db, Arguments args);

// Arranging many channels at once.
Outcome SortChannels(CChannelDatabase& db, Arguments args);
Outcome SetFlags(CChannelDatabase& db, Arguments args);

// Adding, with the Add dialogs' defaults and checks.
Outcome AddSatellite(CChannelDatabase& db, Arguments args);
Outcome AddTransponder(CChannelDatabase& db, Arguments args);
Outcome AddChannel(CChannelDatabase& db, Arguments args);
