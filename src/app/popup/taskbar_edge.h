#pragma once

#include <QRect>

// The screen edge the task bar (panel) sits on; notices appear next to it.
enum class TaskbarEdge { Left, Top, Right, Bottom };

// The edge where the work area falls short of the screen. When panels take
// several edges the widest strip wins; when none does, the bottom edge.
TaskbarEdge taskbarEdgeOf(const QRect& screen, const QRect& workArea);
