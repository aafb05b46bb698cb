#include "app/popup/popup_motion.h"

#include <gtest/gtest.h>

namespace {

using Phase = PopupMotion::Phase;

const QRect kFinal(1000, 800, 160, 90);

int stepsUntil(PopupMotion& motion, Phase leaving, void (PopupMotion::*step)()) {
    int steps = 0;
    while (motion.phase() == leaving && steps < 1000) {
        (motion.*step)();
        ++steps;
    }
    return steps;
}

struct SlideCase {
    const char* name;
    TaskbarEdge edge;
    QRect start;       // 1 pixel on the task-bar side
    QRect afterOne;    // one step of 9 pixels
    int stepsIn;       // ticks until full size
    QRect outAfterOne; // first slide-out step from full size
    int stepsOut;      // ticks until closed
};

class Slide : public ::testing::TestWithParam<SlideCase> {};

TEST_P(Slide, GrowsFromTheTaskbarSideAndShrinksBackTowardsIt) {
    const SlideCase& c = GetParam();
    PopupMotion motion(c.edge, kFinal, 9, true);
    EXPECT_EQ(motion.phase(), Phase::SlidingIn);
    EXPECT_EQ(motion.rect(), c.start);

    motion.slideInStep();
    EXPECT_EQ(motion.rect(), c.afterOne);
    EXPECT_EQ(1 + stepsUntil(motion, Phase::SlidingIn, &PopupMotion::slideInStep), c.stepsIn);
    EXPECT_EQ(motion.phase(), Phase::Staying);
    EXPECT_EQ(motion.rect(), kFinal);

    motion.timeUp();
    ASSERT_EQ(motion.phase(), Phase::SlidingOut);
    motion.slideOutStep();
    EXPECT_EQ(motion.rect(), c.outAfterOne);
    EXPECT_EQ(1 + stepsUntil(motion, Phase::SlidingOut, &PopupMotion::slideOutStep), c.stepsOut);
    EXPECT_EQ(motion.phase(), Phase::Closed);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Slide,
    ::testing::Values(
        // Height 90: 1, 10, ..., 82, then full on the 10th tick; out 81 .. 9, closed on the 10th.
        SlideCase{"bottom", TaskbarEdge::Bottom, QRect(1000, 889, 160, 1),
                  QRect(1000, 880, 160, 10), 10, QRect(1000, 809, 160, 81), 10},
        SlideCase{"top", TaskbarEdge::Top, QRect(1000, 800, 160, 1), QRect(1000, 800, 160, 10),
                  10, QRect(1000, 800, 160, 81), 10},
        // Width 160: full on the 18th tick; out 151 .. 7, closed on the 18th.
        SlideCase{"left", TaskbarEdge::Left, QRect(1000, 800, 1, 90), QRect(1000, 800, 10, 90),
                  18, QRect(1000, 800, 151, 90), 18},
        SlideCase{"right", TaskbarEdge::Right, QRect(1159, 800, 1, 90),
                  QRect(1150, 800, 10, 90), 18, QRect(1009, 800, 151, 90), 18}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PopupMotion, BottomNoticeHoldsItsBaseWhileSliding) {
    PopupMotion motion(TaskbarEdge::Bottom, kFinal, 9, true);
    for (int i = 0; i < 5; ++i) {
        motion.slideInStep();
        EXPECT_EQ(motion.rect().bottom(), kFinal.bottom());
    }
}

TEST(PopupMotion, WithoutScrollItAppearsAtFullSizeAndStays) {
    PopupMotion motion(TaskbarEdge::Bottom, kFinal, 9, false);
    EXPECT_EQ(motion.phase(), Phase::Staying);
    EXPECT_EQ(motion.rect(), kFinal);
    motion.slideInStep();
    motion.slideOutStep();
    EXPECT_EQ(motion.phase(), Phase::Staying);
    EXPECT_EQ(motion.rect(), kFinal);
}

TEST(PopupMotion, CloseEndsItInAnyPhase) {
    PopupMotion sliding(TaskbarEdge::Bottom, kFinal, 9, true);
    sliding.slideInStep();
    sliding.close();
    EXPECT_EQ(sliding.phase(), Phase::Closed);
    sliding.slideInStep();
    EXPECT_EQ(sliding.phase(), Phase::Closed);
}

TEST(PopupMotion, ZeroSpeedStillFinishes) {
    PopupMotion motion(TaskbarEdge::Bottom, QRect(0, 0, 10, 4), 0, true);
    EXPECT_EQ(motion.scrollSpeed(), 1);
    EXPECT_EQ(stepsUntil(motion, Phase::SlidingIn, &PopupMotion::slideInStep), 3);
}

TEST(PopupMotion, SpeedLargerThanTheNoticeFinishesInOneStep) {
    PopupMotion motion(TaskbarEdge::Right, kFinal, 255, true);
    motion.slideInStep();
    EXPECT_EQ(motion.rect(), kFinal);
    motion.timeUp();
    motion.slideOutStep();
    EXPECT_EQ(motion.phase(), Phase::Closed);
}

}  // namespace
