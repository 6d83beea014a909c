// The invariants every editing operation keeps: packed tables closed by
// their end records, references that name existing records, and bouquet
// entries aligned with their channel slots.
#pragma once

#include <string>

class CChannelDatabase;

// Empty when the database holds a valid image; otherwise what is wrong first.
std::string InvariantViolation(const CChannelDatabase& db);
