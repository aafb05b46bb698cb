#pragma once

#include <QPixmap>

// The pictures of the main window's notices, drawn in code so the program
// folder needs no image files for them.

// 16 x 16: a note on a transparent ground.
QPixmap noticeIconPicture();

// 150 x 80: a light blue wash fading to white at its right and bottom edges,
// so it blends into the white the rest of the notice shows.
QPixmap noticeBackgroundPicture();

// The strip along the bottom of every notice (stretched when drawn).
QPixmap noticeStripPicture();
