// Random valid databases: every invariant holds, every other byte is random.
#pragma once

#include <random>

class CChannelDatabase;

struct RandomSizes {
    int satellites;
    int transponders;
    int tv;
    int radio;
};

// Table sizes, mostly small, now and then at or near a table's limit.
RandomSizes RandomTableSizes(std::mt19937& rng);

// Replaces the database's content by a valid image of these sizes (a table
// without parents is left empty) with random records, bouquet names, groups
// and system settings.
void FillRandomDatabase(CChannelDatabase& db, std::mt19937& rng, const RandomSizes& sizes);
