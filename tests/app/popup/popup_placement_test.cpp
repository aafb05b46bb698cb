#include "app/popup/popup_placement.h"

#include <gtest/gtest.h>

namespace {

const QRect kScreen(0, 0, 1280, 1024);

PopupLayout noticeLayout() {
    PopupLayout layout;
    layout.size = QSize(160, 90);
    layout.startX = 16;
    layout.startY = 2;
    layout.marge = 2;
    layout.cascade = true;
    return layout;
}

struct EdgeCase {
    const char* name;
    QRect screen;
    QRect workArea;
    TaskbarEdge edge;
};

class EdgeOf : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeOf, FindsTheSideWhereTheWorkAreaFallsShort) {
    EXPECT_EQ(taskbarEdgeOf(GetParam().screen, GetParam().workArea), GetParam().edge);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, EdgeOf,
    ::testing::Values(EdgeCase{"bottom", kScreen, QRect(0, 0, 1280, 994), TaskbarEdge::Bottom},
                      EdgeCase{"top", kScreen, QRect(0, 30, 1280, 994), TaskbarEdge::Top},
                      EdgeCase{"left", kScreen, QRect(48, 0, 1232, 1024), TaskbarEdge::Left},
                      EdgeCase{"right", kScreen, QRect(0, 0, 1232, 1024), TaskbarEdge::Right},
                      EdgeCase{"none", kScreen, kScreen, TaskbarEdge::Bottom},
                      // A top bar plus a wider dock on the left: the dock counts.
                      EdgeCase{"widest", kScreen, QRect(64, 28, 1216, 996), TaskbarEdge::Left},
                      EdgeCase{"second_screen_right", QRect(1280, 0, 1024, 768),
                               QRect(1280, 0, 990, 768), TaskbarEdge::Right}),
    [](const auto& info) { return std::string(info.param.name); });

struct StackCase {
    const char* name;
    QRect workArea;
    QPoint first;
    QPoint second;
};

class Stacking : public ::testing::TestWithParam<StackCase> {};

TEST_P(Stacking, PlacesFirstNoticeAndStacksTheNextByHeightPlusMarge) {
    PopupPlacement placement;
    const auto a = placement.place(kScreen, GetParam().workArea, noticeLayout());
    const auto b = placement.place(kScreen, GetParam().workArea, noticeLayout());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->rect, QRect(GetParam().first, QSize(160, 90)));
    EXPECT_EQ(b->rect, QRect(GetParam().second, QSize(160, 90)));
    EXPECT_EQ(a->stackOffset, 0);
    EXPECT_EQ(b->stackOffset, 92);
    EXPECT_EQ(placement.openCount(), 2);
    EXPECT_EQ(placement.stackOffset(), 184);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Stacking,
    ::testing::Values(
        // x = right - 160 - 16, y = bottom - 2 - 90 - offset
        StackCase{"bottom", QRect(0, 0, 1280, 994), {1104, 902}, {1104, 810}},
        // y = top + 2 + offset: stacks downwards
        StackCase{"top", QRect(0, 30, 1280, 994), {1104, 32}, {1104, 124}},
        // x = left + 16
        StackCase{"left", QRect(30, 0, 1250, 1024), {46, 932}, {46, 840}},
        StackCase{"right", QRect(0, 0, 1250, 1024), {1074, 932}, {1074, 840}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PopupPlacement, ThreeNoticesThenAllClosedReturnsToTheLowestPlace) {
    PopupPlacement placement;
    const QRect work(0, 0, 1280, 994);
    std::vector<PopupSlot> placed;
    for (int i = 0; i < 3; ++i) placed.push_back(*placement.place(kScreen, work, noticeLayout()));
    EXPECT_EQ(placed[0].rect.y(), 902);
    EXPECT_EQ(placed[1].rect.y(), 810);
    EXPECT_EQ(placed[2].rect.y(), 718);
    for (const PopupSlot& s : placed) placement.release(s);
    EXPECT_EQ(placement.openCount(), 0);
    EXPECT_EQ(placement.place(kScreen, work, noticeLayout())->rect.y(), 902);
}

TEST(PopupPlacement, ClosedPlaceIsNotReusedWhileOthersAreOpen) {
    PopupPlacement placement;
    const QRect work(0, 0, 1280, 994);
    const PopupSlot a = *placement.place(kScreen, work, noticeLayout());
    placement.place(kScreen, work, noticeLayout());
    placement.release(a);
    const PopupSlot c = *placement.place(kScreen, work, noticeLayout());
    EXPECT_EQ(c.stackOffset, 184);
    EXPECT_EQ(c.rect.y(), 718);
}

TEST(PopupPlacement, WithoutCascadeEveryNoticeTakesTheFirstPlace) {
    PopupPlacement placement;
    PopupLayout layout = noticeLayout();
    layout.cascade = false;
    const QRect work(0, 0, 1280, 994);
    for (int i = 0; i < 20; ++i) {
        const auto slot = placement.place(kScreen, work, layout);
        ASSERT_TRUE(slot);
        EXPECT_EQ(slot->rect.topLeft(), QPoint(1104, 902));
    }
    EXPECT_EQ(placement.openCount(), 20);
}

struct RoomCase {
    const char* name;
    QRect workArea;
};

class RoomCheck : public ::testing::TestWithParam<RoomCase> {};

// A work area 300 pixels high holds three 90-pixel notices with their gaps;
// the fourth is refused and changes nothing.
TEST_P(RoomCheck, RefusesANoticeThatWouldLeaveTheWorkArea) {
    PopupPlacement placement;
    const QRect work = GetParam().workArea;
    for (int i = 0; i < 3; ++i) {
        const auto slot = placement.place(kScreen, work, noticeLayout());
        ASSERT_TRUE(slot) << i;
        EXPECT_TRUE(work.contains(slot->rect)) << i;
    }
    EXPECT_FALSE(placement.place(kScreen, work, noticeLayout()));
    EXPECT_EQ(placement.openCount(), 3);
    EXPECT_EQ(placement.stackOffset(), 276);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RoomCheck,
    ::testing::Values(RoomCase{"bottom", QRect(0, 0, 1280, 300)},
                      RoomCase{"top", QRect(0, 30, 1280, 300)},
                      RoomCase{"left", QRect(30, 0, 1250, 300)},
                      RoomCase{"right", QRect(0, 0, 1250, 300)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PopupPlacement, FirstNoticeIsPlacedEvenWithoutRoom) {
    PopupPlacement placement;
    const QRect tiny(0, 0, 200, 50);
    EXPECT_TRUE(placement.place(QRect(0, 0, 200, 80), tiny, noticeLayout()));
    EXPECT_FALSE(placement.place(QRect(0, 0, 200, 80), tiny, noticeLayout()));
}

TEST(PopupPlacement, MovingTheTaskbarRestartsAtTheFirstPlaceOfTheNewEdge) {
    PopupPlacement placement;
    const QRect bottomWork(0, 0, 1280, 994);
    const QRect topWork(0, 30, 1280, 994);
    placement.place(kScreen, bottomWork, noticeLayout());
    const PopupSlot old = *placement.place(kScreen, bottomWork, noticeLayout());

    const PopupSlot first = *placement.place(kScreen, topWork, noticeLayout());
    EXPECT_EQ(first.rect.topLeft(), QPoint(1104, 32));
    EXPECT_EQ(placement.openCount(), 1);
    EXPECT_EQ(placement.lastEdge(), TaskbarEdge::Top);

    // A notice from the old edge closing must not free a place at the new one.
    placement.release(old);
    EXPECT_EQ(placement.openCount(), 1);
    EXPECT_EQ(placement.place(kScreen, topWork, noticeLayout())->rect.y(), 124);
}

TEST(PopupPlacement, ReleaseNeverTakesTheCountBelowZero) {
    PopupPlacement placement;
    const PopupSlot a = *placement.place(kScreen, QRect(0, 0, 1280, 994), noticeLayout());
    placement.release(a);
    placement.release(a);
    EXPECT_EQ(placement.openCount(), 0);
}

}  // namespace
