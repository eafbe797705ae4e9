#include "tools/assetgen/RunnerArt.h"

#include <algorithm>
#include <cstdlib>

#include "tools/assetgen/FixedMath.h"
#include "tools/assetgen/Palette.h"

namespace {

using fixedmath::Phase;

// Two strides per 26 frames: at 3 px per update the hero covers about 78 px
// per stride, and a brisker cadence keeps the feet from looking like they skate.
constexpr int kStridesPerCycle = 2;
constexpr int kMissingFileNumber = 12;

// Skeleton lengths in sub-pixel units (kSub per pixel).
constexpr int kThigh = 80;
constexpr int kShin = 88;
constexpr int kTorso = 120;
constexpr int kNeckToHead = 54;
constexpr int kHipsToBelt = 24;
constexpr int kUpperArm = 68;
constexpr int kForearm = 60;
constexpr int kToe = 40;

// Thickness: stroke radii in sub-pixel units.
constexpr int kLegRadius = 22;
constexpr int kBootRadius = 20;
constexpr int kTorsoRadius = 42;
constexpr int kHeadRadius = 66;
constexpr int kFaceRadius = 52;
constexpr int kArmRadius = 17;
constexpr int kHandRadius = 20;
constexpr int kScarfRadius = 18;
constexpr int kCollarRadius = 13;

// Where things sit, in sub-pixel units.
constexpr int kHipX = 152;
constexpr int kAnkleFloor = 440;  // lowest ankle centre: boots reach the bottom pixel row
constexpr int kBob = 16;          // how much higher the body rides in mid-stride

// Joint motion in degrees.
constexpr int kThighLean = 6;    // the swing is centred slightly forward
constexpr int kThighSwing = 30;  // thigh angle amplitude either side
constexpr int kKneeRest = 12;    // slight bend in the stance leg
constexpr int kKneeLift = 64;    // extra bend at mid-swing
constexpr int kTorsoLean = 12;
constexpr int kArmSwing = 44;
constexpr int kElbowBend = 84;
constexpr int kScarfFlutter = 20;  // sub-pixel lift of the scarf tail

// A point len sub-pixel units from origin in the direction angle, measured from
// straight down with positive angles leaning forward (to the right).
SubPoint reach(SubPoint origin, int len, Phase angle) {
    return SubPoint{origin.x + fixedmath::scale(len, fixedmath::sine(angle)),
                    origin.y + fixedmath::scale(len, fixedmath::cosine(angle))};
}

SubPoint offset(SubPoint p, int dx, int dy) {
    return SubPoint{p.x + dx, p.y + dy};
}

constexpr Phase kHalfTurn = Phase{1} << 31;

// Gait phase of a frame; the far leg is half a turn apart.
Phase gaitPhase(int index) {
    return fixedmath::turnFraction(std::int64_t{kStridesPerCycle} * index, RunnerArt::kFrames);
}

struct Leg {
    SubPoint knee;
    SubPoint ankle;
};

// The leg at gait phase theta, with the hip at hip.
Leg legAt(SubPoint hip, Phase theta) {
    const Phase thigh =
        fixedmath::degrees(kThighLean) +
        static_cast<Phase>(fixedmath::scale(static_cast<int>(fixedmath::degrees(kThighSwing)),
                                            fixedmath::sine(theta)));
    // The knee folds while the leg swings forward (thigh angle rising).
    const int swing = std::max(0, fixedmath::cosine(theta));
    const Phase bend = fixedmath::degrees(kKneeRest) +
                       static_cast<Phase>(fixedmath::scale(
                           static_cast<int>(fixedmath::degrees(kKneeLift)), swing));
    Leg leg;
    leg.knee = reach(hip, kThigh, thigh);
    leg.ankle = reach(leg.knee, kShin, thigh - bend);
    return leg;
}

// The hip-to-ankle height of the straightest leg of the cycle: the hip sits this
// far above the floor when the stance leg passes under the body.
int longestLeg() {
    int longest = 0;
    for (int i = 0; i < RunnerArt::kFrames; ++i) {
        const Phase theta = gaitPhase(i);
        longest = std::max(longest, legAt(SubPoint{0, 0}, theta).ankle.y);
        longest = std::max(longest, legAt(SubPoint{0, 0}, theta + kHalfTurn).ankle.y);
    }
    return longest;
}

void drawLeg(Canvas& c, SubPoint hip, const Leg& leg, Colour cloth, Colour boot) {
    c.stroke(hip, leg.knee, kLegRadius, cloth);
    c.stroke(leg.knee, leg.ankle, kLegRadius, cloth);
    c.stroke(leg.ankle, offset(leg.ankle, kToe, 0), kBootRadius, boot);
}

// The arm at gait phase theta: swings opposite to the leg of the same phase.
void drawArm(Canvas& c, SubPoint shoulder, Phase theta, Colour sleeve, Colour hand) {
    const Phase upper = static_cast<Phase>(
        -fixedmath::scale(static_cast<int>(fixedmath::degrees(kArmSwing)), fixedmath::sine(theta)));
    const SubPoint elbow = reach(shoulder, kUpperArm, upper);
    const SubPoint wrist = reach(elbow, kForearm, upper + fixedmath::degrees(kElbowBend));
    c.stroke(shoulder, elbow, kArmRadius, sleeve);
    c.stroke(elbow, wrist, kArmRadius, hand);
    c.stroke(wrist, wrist, kHandRadius, hand);
}

}  // namespace

int RunnerArt::fileNumber(int index) {
    return index + 1 < kMissingFileNumber ? index + 1 : index + 2;
}

Canvas RunnerArt::frame(int index) {
    using namespace palette;
    const Phase theta = gaitPhase(index);
    const Phase otherTheta = theta + kHalfTurn;
    const Phase flutter = fixedmath::turnFraction(std::int64_t{3} * index, kFrames);

    // The stance foot reaches the floor as it passes under the body; with the
    // legs spread the hero is in the air, riding up to kBob higher.
    const int lift = fixedmath::scale(kBob, fixedmath::kOne - std::abs(fixedmath::cosine(theta)));
    const int hipY = kAnkleFloor - longestLeg() - lift;
    const SubPoint hip{kHipX, hipY};
    const Leg nearLeg = legAt(hip, theta);
    const Leg farLeg = legAt(hip, otherTheta);

    const Phase lean = fixedmath::degrees(kTorsoLean);
    const SubPoint neck = reach(hip, kTorso, kHalfTurn - lean);
    const SubPoint shoulder = offset(neck, 0, kSub + kSub / 2);
    const SubPoint head = offset(neck, kSub / 2, -kNeckToHead);

    Canvas c(kWidth, kHeight);
    drawArm(c, shoulder, otherTheta, kTunic.dark, kSkinShadow);
    drawLeg(c, hip, farLeg, kTrousersFar, kBootFar);

    // Scarf tail streaming behind, rippling on its own slower beat.
    const int ripple = fixedmath::scale(kScarfFlutter, fixedmath::sine(flutter));
    const SubPoint tailMid = offset(neck, -3 * kSub, kSub / 2 - ripple);
    const SubPoint tailEnd = offset(neck, -6 * kSub, kSub + ripple);
    c.stroke(neck, tailMid, kScarfRadius, kScarf.base);
    c.stroke(tailMid, tailEnd, kScarfRadius - 4, kScarf.dark);

    c.stroke(hip, offset(hip, 0, -kHipsToBelt), kTorsoRadius, kTrousers);
    const SubPoint belt = reach(hip, kHipsToBelt, kHalfTurn - lean);
    c.stroke(belt, neck, kTorsoRadius, kTunic.base);
    c.stroke(offset(belt, kSub, -kSub / 2), offset(neck, kSub, kSub), kTorsoRadius / 3,
             kTunic.light);

    c.stroke(head, head, kHeadRadius, kHair);
    c.stroke(offset(head, kSub, kSub - 4), offset(head, kSub, kSub - 4), kFaceRadius, kSkin);
    c.stroke(offset(neck, -kSub, kSub / 2), offset(neck, kSub, kSub / 2), kCollarRadius,
             kScarf.base);
    c.set((head.x + 2 * kSub) / kSub, (head.y + kSub / 2) / kSub, kOutline);

    drawLeg(c, hip, nearLeg, kTrousers, kBoot);
    drawArm(c, shoulder, theta, kTunic.base, kSkin);
    c.outline(kOutline);
    return c;
}
