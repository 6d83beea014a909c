#include "EditOperations.h"

namespace {

constexpr EditOperation kOperations[] = {
    {"delete-satellites", 1, 1, "delete-satellites LIST", DeleteSatellites},
    {"delete-transponders", 1, 1, "delete-transponders LIST", DeleteTransponders},
    {"delete-channels", 2, 2, "delete-channels tv|radio LIST", DeleteChannels},
    {"move-channels", 3, 3, "move-channels tv|radio POSITION LIST", MoveChannels},
    {"swap-channels", 3, 3, "swap-channels tv|radio A B", SwapChannels},
    {"sort-channels", 2, 5, "sort-channels tv|radio KEY [--satellite S|--transponder T] [--descending]",
     SortChannels},
    {"set-flags", 3, 6, "set-flags tv|radio LIST FLAG=VALUE...", SetFlags},
    {"add-satellite", 1, 1, "add-satellite NAME", AddSatellite},
    {"add-transponder", 4, 4, "add-transponder SAT MHZ SYMBOLRATE V|H", AddTransponder},
    {"add-channel", 6, 7, "add-channel tv|radio TP NAME VPID APID PCRPID [BOUQUET]", AddChannel},
    {"update-context", 0, 0, "update-context", UpdateContext},
};

}  // namespace

std::span<const EditOperation> EditOperations()
{
    return kOperations;
}

const EditOperation* FindEditOperation(const std::string& name)
{
    for (const EditOperation& operation : kOperations) {
        if (name == operation.name)
            return &operation;
    }
    return nullptr;
}
