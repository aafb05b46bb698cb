#include "app/popup/popup_motion.h"

#include <algorithm>

PopupMotion::PopupMotion(TaskbarEdge edge, const QRect& finalRect, int scrollSpeed,
                         bool allowScroll)
    : edge_(edge),
      final_(finalRect),
      rect_(finalRect),
      // A step of 0 would leave the notice sliding for ever.
      speed_(std::max(1, scrollSpeed)),
      phase_(allowScroll ? Phase::SlidingIn : Phase::Staying) {
    if (!allowScroll) return;
    switch (edge_) {
    case TaskbarEdge::Left: rect_.setWidth(1); break;
    case TaskbarEdge::Top: rect_.setHeight(1); break;
    case TaskbarEdge::Right:
        rect_ = QRect(final_.x() + final_.width() - 1, final_.y(), 1, final_.height());
        break;
    case TaskbarEdge::Bottom:
        rect_ = QRect(final_.x(), final_.y() + final_.height() - 1, final_.width(), 1);
        break;
    }
}

bool PopupMotion::slidesHorizontally() const {
    return edge_ == TaskbarEdge::Left || edge_ == TaskbarEdge::Right;
}

void PopupMotion::slideInStep() {
    if (phase_ != Phase::SlidingIn) return;
    const int current = slidesHorizontally() ? rect_.width() : rect_.height();
    const int full = slidesHorizontally() ? final_.width() : final_.height();
    if (current + speed_ >= full) {
        rect_ = final_;
        phase_ = Phase::Staying;
        return;
    }
    switch (edge_) {
    case TaskbarEdge::Left: rect_.setWidth(rect_.width() + speed_); break;
    case TaskbarEdge::Top: rect_.setHeight(rect_.height() + speed_); break;
    case TaskbarEdge::Right: rect_.adjust(-speed_, 0, 0, 0); break;
    case TaskbarEdge::Bottom: rect_.adjust(0, -speed_, 0, 0); break;
    }
}

void PopupMotion::timeUp() {
    if (phase_ == Phase::Staying) phase_ = Phase::SlidingOut;
}

void PopupMotion::slideOutStep() {
    if (phase_ != Phase::SlidingOut) return;
    const int current = slidesHorizontally() ? rect_.width() : rect_.height();
    if (current - speed_ <= 0) {
        phase_ = Phase::Closed;
        return;
    }
    switch (edge_) {
    case TaskbarEdge::Left: rect_.setWidth(rect_.width() - speed_); break;
    case TaskbarEdge::Top: rect_.setHeight(rect_.height() - speed_); break;
    case TaskbarEdge::Right: rect_.adjust(speed_, 0, 0, 0); break;
    case TaskbarEdge::Bottom: rect_.adjust(0, speed_, 0, 0); break;
    }
}
