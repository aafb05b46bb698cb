#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at run time.
namespace pictures {

// The note on a round badge: window, tray and about box.
QIcon programIcon();

// A small glyph for a button of the page row, told apart by colour.
QIcon pageButtonIcon(int index);

// One frame of the 16 by 16 busy animation; frames cycle modulo kBusyFrames.
constexpr int kBusyFrames = 8;
QPixmap busyFrame(int frame);

}  // namespace pictures
