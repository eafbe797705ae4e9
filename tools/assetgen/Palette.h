#pragma once

#include "tools/assetgen/Colour.h"

// The one palette every generated picture draws from, so the characters, items
// and tiles share a look. Names say what the colour is for, not its hue.
namespace palette {

constexpr Colour kOutline{28, 22, 40};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kPaper{236, 236, 244};
constexpr Colour kMist{200, 200, 214};

// The hero.
constexpr Colour kSkin{246, 196, 156};
constexpr Colour kSkinShadow{206, 144, 112};
constexpr Colour kHair{112, 62, 34};
constexpr Shades kTunic{{96, 186, 240}, {44, 138, 206}, {30, 96, 156}};
constexpr Shades kScarf{{255, 128, 96}, {226, 70, 56}, {160, 40, 44}};
constexpr Colour kTrousers{88, 78, 134};
constexpr Colour kTrousersFar{54, 46, 86};
constexpr Colour kBoot{122, 72, 40};
constexpr Colour kBootFar{86, 50, 30};

// The walking enemy.
constexpr Shades kGrumbler{{168, 214, 84}, {112, 168, 52}, {66, 118, 40}};
constexpr Colour kGrumblerFeet{92, 58, 38};
constexpr Colour kHorn{240, 226, 190};

// The flying enemy.
constexpr Shades kRaven{{176, 120, 212}, {124, 74, 168}, {80, 44, 118}};
constexpr Colour kBeak{252, 196, 56};
constexpr Colour kEyeRed{230, 40, 50};

// Items.
constexpr Shades kGold{{255, 240, 150}, {250, 196, 40}, {206, 132, 22}};
constexpr Shades kEnergy{{214, 252, 255}, {84, 222, 250}, {36, 140, 214}};
constexpr Shades kMedic{{255, 255, 255}, {232, 232, 240}, {176, 176, 196}};
constexpr Shades kCross{{255, 120, 120}, {222, 44, 52}, {150, 24, 40}};
constexpr Shades kHealthGreen{{176, 244, 124}, {72, 196, 60}, {34, 120, 40}};
constexpr Shades kHealthRed{{170, 52, 60}, {118, 24, 36}, {80, 14, 26}};

// Tiles.
constexpr Shades kBrick{{214, 140, 88}, {178, 102, 60}, {128, 68, 42}};
constexpr Colour kMortar{86, 46, 34};
constexpr Shades kNightBrick{{36, 34, 52}, {26, 24, 38}, {20, 18, 30}};
constexpr Colour kNightMortar{14, 12, 22};
constexpr Shades kWood{{232, 180, 112}, {196, 136, 74}, {140, 88, 46}};
constexpr Shades kStone{{196, 196, 208}, {150, 150, 168}, {100, 100, 122}};
constexpr Colour kDoorway{40, 30, 44};

// Editor icon backdrops: pale, so they stand out on the editor's white grid.
constexpr Colour kHeroBackdrop{206, 230, 252};
constexpr Colour kFoeBackdrop{252, 214, 214};
constexpr Colour kBackdropEdge{150, 150, 176};

// The application icon's dusk sky, from its top to the horizon.
constexpr Colour kIconSkyTop{58, 70, 140};
constexpr Colour kIconSkyBottom{250, 170, 120};

}  // namespace palette
