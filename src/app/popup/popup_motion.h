#pragma once

#include "app/popup/taskbar_edge.h"

#include <QRect>

// The life of one notice window as geometry steps: slide in from the task
// bar, stay, slide back, closed. Each step is one timer tick (25 ms in the
// window); tests call the steps directly.
class PopupMotion {
public:
    enum class Phase { SlidingIn, Staying, SlidingOut, Closed };

    // With allowScroll the notice starts 1 pixel across the slide axis on its
    // task-bar side; without it at full size, already staying.
    PopupMotion(TaskbarEdge edge, const QRect& finalRect, int scrollSpeed, bool allowScroll);

    Phase phase() const { return phase_; }
    QRect rect() const { return rect_; }
    int scrollSpeed() const { return speed_; }

    // One slide-in tick; reaching the full size switches to Staying.
    void slideInStep();
    // The stay is over; the notice starts sliding out.
    void timeUp();
    // One slide-out tick; when nothing would remain the notice is Closed.
    void slideOutStep();
    // A click ends the notice in any phase.
    void close() { phase_ = Phase::Closed; }

private:
    bool slidesHorizontally() const;

    TaskbarEdge edge_;
    QRect final_;
    QRect rect_;
    int speed_;
    Phase phase_;
};
