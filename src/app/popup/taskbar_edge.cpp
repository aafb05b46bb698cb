#include "app/popup/taskbar_edge.h"

TaskbarEdge taskbarEdgeOf(const QRect& screen, const QRect& workArea) {
    // Right and bottom counted exclusively, so a 30-pixel panel gives 30.
    const int insets[] = {
        (screen.y() + screen.height()) - (workArea.y() + workArea.height()),
        workArea.y() - screen.y(),
        workArea.x() - screen.x(),
        (screen.x() + screen.width()) - (workArea.x() + workArea.width()),
    };
    const TaskbarEdge edges[] = {TaskbarEdge::Bottom, TaskbarEdge::Top, TaskbarEdge::Left,
                                 TaskbarEdge::Right};
    TaskbarEdge best = TaskbarEdge::Bottom;
    int widest = 0;
    for (int i = 0; i < 4; ++i) {
        if (insets[i] > widest) {
            widest = insets[i];
            best = edges[i];
        }
    }
    return best;
}
