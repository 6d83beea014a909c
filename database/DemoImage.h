// A realistic, valid image to show and to measure the editor with. It is
// built through the database's own operations, the way a user would build it
// with the dialogs, and is the same to the byte every time.
#pragma once

#include <cstdint>
#include <vector>

class CChannelDatabase;

namespace Demo {

enum class Size {
    Normal,  // a few real satellites with a few hundred channels
    Full,  // every table filled to its limit
};

// Replaces whatever the database holds with the demo image (variant 2), with
// every derived figure as UpdateListContext leaves it.
void Build(CChannelDatabase& db, Size size);

// The demo image's 0xA0800 bytes, as File > Save would write them.
std::vector<std::uint8_t> ImageBytes(Size size);

}  // namespace Demo
