#include "tools/assetgen/EditorIcons.h"

#include "tools/assetgen/EnemyArt.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/RunnerArt.h"

namespace {

// The run frame that shows the hero in mid-stride.
constexpr int kPosedRunFrame = 3;
constexpr int kLevelWingFrame = 1;

}  // namespace

Canvas EditorIcons::card(const Canvas& figure, Colour backdrop) {
    Canvas c(kSize, kSize, palette::kBackdropEdge);
    c.fillRect(1, 1, kSize - 2, kSize - 2, backdrop);
    c.blit(figure, (kSize - figure.width()) / 2, (kSize - figure.height()) / 2);
    return c;
}

Canvas EditorIcons::player() {
    return card(RunnerArt::frame(kPosedRunFrame), palette::kHeroBackdrop);
}

Canvas EditorIcons::walker() {
    return card(EnemyArt::walker(0), palette::kFoeBackdrop);
}

Canvas EditorIcons::flyer() {
    return card(EnemyArt::flyer(kLevelWingFrame), palette::kFoeBackdrop);
}
