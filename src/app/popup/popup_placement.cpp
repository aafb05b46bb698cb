#include "app/popup/popup_placement.h"

namespace {

int rightOf(const QRect& r) { return r.x() + r.width(); }
int bottomOf(const QRect& r) { return r.y() + r.height(); }

}  // namespace

QPoint PopupPlacement::position(TaskbarEdge edge, const QRect& workArea,
                                const PopupLayout& layout, int stackOffset) {
    const int width = layout.size.width();
    const int height = layout.size.height();
    switch (edge) {
    case TaskbarEdge::Left:
        return {workArea.x() + layout.startX,
                bottomOf(workArea) - layout.startY - height - stackOffset};
    case TaskbarEdge::Top:
        return {rightOf(workArea) - width - layout.startX,
                workArea.y() + layout.startY + stackOffset};
    case TaskbarEdge::Right:
    case TaskbarEdge::Bottom:
        break;
    }
    return {rightOf(workArea) - width - layout.startX,
            bottomOf(workArea) - layout.startY - height - stackOffset};
}

std::optional<PopupSlot> PopupPlacement::place(const QRect& screen, const QRect& workArea,
                                               const PopupLayout& layout) {
    const TaskbarEdge edge = taskbarEdgeOf(screen, workArea);
    if (lastEdge_ != edge) {
        openCount_ = 0;
        lastEdge_ = edge;
        ++edgeEpoch_;
    }

    if (openCount_ <= 0) {
        stackOffset_ = 0;
    } else {
        // Notices stack downwards from a top task bar and upwards at every
        // other edge; the next one must lie inside the work area.
        const QPoint at = position(edge, workArea, layout, stackOffset_);
        const bool fits = at.y() >= workArea.y() &&
                          at.y() + layout.size.height() <= bottomOf(workArea);
        if (!fits) return std::nullopt;
    }

    ++openCount_;
    PopupSlot slot;
    slot.rect = QRect(position(edge, workArea, layout, stackOffset_), layout.size);
    slot.edge = edge;
    slot.stackOffset = stackOffset_;
    slot.edgeEpoch = edgeEpoch_;

    stackOffset_ = layout.cascade ? stackOffset_ + layout.size.height() + layout.marge : 0;
    return slot;
}

void PopupPlacement::release(const PopupSlot& slot) {
    // A notice shown before the task bar moved was already forgotten when the
    // count restarted; lowering the count for it would let a later notice
    // land on top of one still open.
    if (slot.edgeEpoch != edgeEpoch_) return;
    if (openCount_ > 0) --openCount_;
}
