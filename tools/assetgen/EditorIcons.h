#pragma once

#include "tools/assetgen/Canvas.h"

// The editor's cell pictures for entity codes. The editor draws without a colour
// key, so each is an opaque 32 x 32 card: the character on a pale backdrop.
class EditorIcons {
public:
    static constexpr int kSize = 32;

    // 'E': the hero, on blue.
    static Canvas player();
    // 'D': the walking enemy, on red.
    static Canvas walker();
    // 'I': the flying enemy, on red.
    static Canvas flyer();

private:
    static Canvas card(const Canvas& figure, Colour backdrop);
};
