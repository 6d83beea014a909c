// The hover buttons' strips: the size of one frame and the caption drawn on
// it, by bitmap resource id. tools/strips draws res/buttons from this list.
#pragma once

#include <QSize>

#include <span>

struct ButtonStrip {
    int resourceId;
    QSize frameSize;
    const char* caption;  // English; translated in the context "CHoverButton"
};

std::span<const ButtonStrip> ButtonStrips();

// The strip with this id, or nullptr.
const ButtonStrip* FindButtonStrip(int resourceId);
