#pragma once

#include "app/popup/msn_popup_properties.h"

#include <QColor>
#include <QImage>
#include <QSize>

// Lines of colour from `from` to `to`, each channel interpolated linearly:
// rows from top to bottom for mbVertical, columns from left to right for
// mbHorizontal.
QImage paintGradient(const QSize& size, const QColor& from, const QColor& to,
                     TMSNGradientOrientation orientation);

// The background of a notice: the background picture drawn by its method, or
// the gradient when there is none; then the icon at (IconLeft, IconTop).
QImage paintNoticeCanvas(const QSize& size, const TMSNPopUpProperties& properties);
