// The inconsistencies an image can hold, each named with the record it
// concerns ("tv channel 12: names no transponder"), and their repair.
#pragma once

#include "PlaceholderText.h"

#include <string>
#include <vector>

class CChannelDatabase;

namespace ImageCheck {

using Findings = std::vector<std::string>;

// A finding as messages the editor translates: the record ("tv channel %1")
// and what is wrong with it.
struct Finding {
    PlaceholderText record;
    PlaceholderText what;
};

// The finding in English, as Check gives it: "<record>: <what>".
std::string Describe(const Finding& finding);

// What every editing operation keeps: packed tables closed by their end
// records, references that name existing records, and bouquet entries
// aligned with their channel slots. Every finding, in table order.
Findings CheckStructure(const CChannelDatabase& db);

// The structure, then names without their NUL, group bits of groups that do
// not exist, duplicate channels (the same transponder and PIDs), and the
// figures of the satellite records and the system block that the upkeep
// would compute differently.
Findings Check(const CChannelDatabase& db);
// The same findings as messages.
std::vector<Finding> CheckMessages(const CChannelDatabase& db);

// Removes deleted and dangling records (a transponder with its channels, a
// channel, a later duplicate), closes the tables, ends every name within its
// field, drops the group bits of groups that do not exist and settles the
// upkeep. Check finds nothing afterwards; a clean image keeps every byte.
void Repair(CChannelDatabase& db);

}  // namespace ImageCheck
