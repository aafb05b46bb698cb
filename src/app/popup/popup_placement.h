#pragma once

#include "app/popup/taskbar_edge.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

// Sizes and gaps that decide where notices go.
struct PopupLayout {
    QSize size{148, 121};  // Width, Height of every notice
    int startX = 16;       // PopupStartX: gap to the side of the work area
    int startY = 2;        // PopupStartY: gap to the task-bar side of the work area
    int marge = 2;         // PopupMarge: gap between stacked notices
    bool cascade = true;   // msnCascadePopups
};

// Where one notice was put; handed back when it closes.
struct PopupSlot {
    QRect rect;  // final geometry
    TaskbarEdge edge = TaskbarEdge::Bottom;
    int stackOffset = 0;
    std::uint64_t edgeEpoch = 0;
};

// Stacking state shared by all notices of one popup component: open count,
// stack offset and the task-bar edge of the last notice. Pure arithmetic, so
// every figure can be checked without a real screen.
class PopupPlacement {
public:
    // Top-left corner of a notice at the given stack offset.
    static QPoint position(TaskbarEdge edge, const QRect& workArea, const PopupLayout& layout,
                           int stackOffset);

    // Places the next notice, or returns nothing when a further stacked notice
    // would leave the work area. The first notice at an edge is always placed.
    std::optional<PopupSlot> place(const QRect& screen, const QRect& workArea,
                                   const PopupLayout& layout);

    // A notice closed. The stack offset stays: the next notice still goes above
    // the highest one until none is open.
    void release(const PopupSlot& slot);

    int openCount() const { return openCount_; }
    int stackOffset() const { return stackOffset_; }
    std::optional<TaskbarEdge> lastEdge() const { return lastEdge_; }

private:
    int openCount_ = 0;
    int stackOffset_ = 0;
    std::optional<TaskbarEdge> lastEdge_;
    // Counts edge changes; notices from before a change no longer count as open.
    std::uint64_t edgeEpoch_ = 0;
};
