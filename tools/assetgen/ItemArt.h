#pragma once

#include "tools/assetgen/Canvas.h"

// Pickups, the bullet, the HUD's health bar and the menu arrow.
class ItemArt {
public:
    // Pickups stand at a cell's top-left corner, so each fills a whole cell
    // with the item centred on transparent magenta.
    static constexpr int kPickupSize = 32;
    // The bar is one pixel per health point; its frame is one pixel larger all round.
    static constexpr int kBarWidth = 100;
    static constexpr int kBarHeight = 10;
    static constexpr int kBarBorder = 1;
    static constexpr int kArrowWidth = 48;
    static constexpr int kArrowHeight = 32;

    // The player's shot: a glowing pellet, the same both ways since it is never mirrored.
    static Canvas bullet();
    // 'C': a gold coin.
    static Canvas coin();
    // 'H': a first-aid box.
    static Canvas healthPack();
    // 'A': an energy crystal holding a lightning bolt.
    static Canvas attackCharge();
    // The full health bar; opaque, and the same in every column, so squeezing it
    // to a lower health keeps its look.
    static Canvas healthBar();
    // The frame and empty groove behind the health bar; opaque.
    static Canvas healthBarBackground();
    // The menu's selection marker: a white arrow pointing right.
    static Canvas arrow();
};
