// A comparison as volmaren-cli diff prints it: a line per difference, or one
// JSON document of the same differences.
#pragma once

#include "Comparison.h"

#include <string>
#include <vector>

// One line per difference, in the comparison's order (grouped by table), then
// "differences: N". Names and words are written as JSON strings, so a line
// holds no line break and reads back unambiguously.
std::vector<std::string> DiffLines(const Diff::Comparison& comparison);

// The JSON document, indented, ending with a line break.
std::string DiffJson(const Diff::Comparison& comparison);
