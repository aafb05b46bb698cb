#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QPixmap>
#include <QString>

enum TMSNPopupOption {
    msnAutoOpenURL = 1 << 0,      // a click on the hyperlink text also opens URL
    msnSystemFont = 1 << 1,       // kept for settings that name it; no effect
    msnCascadePopups = 1 << 2,    // notices stack instead of overlapping
    msnAllowScroll = 1 << 3,      // notices slide in instead of appearing at once
    msnAllowHyperlink = 1 << 4,   // the text acts as a hyperlink to URL
};
Q_DECLARE_FLAGS(TMSNPopupOptions, TMSNPopupOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMSNPopupOptions)

enum TMSNGradientOrientation { mbHorizontal, mbVertical };

enum TMSNImageDrawMethod { dmActualSize, dmTile, dmFit };

// A font with its colour. An invalid colour means the palette's window-text
// colour at the time the notice appears.
struct TMSNPopUpFont {
    QFont font;
    QColor color;
};

// The settings of a popup component. Each notice copies them when it is
// created, so later changes never alter a notice already open.
struct TMSNPopUpProperties {
    TMSNPopUpProperties();

    QString Title;
    QString Text;
    QString URL;
    QPixmap IconBitmap;
    int IconLeft = 8;
    int IconTop = 8;
    int TimeOut = 10;  // seconds
    int Width = 148;
    int Height = 121;
    QColor GradientColor1{153, 204, 255};
    QColor GradientColor2{255, 255, 255};
    TMSNGradientOrientation GradientOrientation = mbVertical;
    quint8 ScrollSpeed = 9;  // pixels per slide step
    TMSNPopUpFont Font;
    TMSNPopUpFont HoverFont;
    TMSNPopUpFont TitleFont;
    TMSNPopupOptions Options;
    Qt::Alignment TextAlignment = Qt::AlignHCenter;
    Qt::CursorShape TextCursor = Qt::ArrowCursor;
    int PopupMarge = 2;
    int PopupStartX = 16;
    int PopupStartY = 2;
    QPixmap BackgroundImage;  // replaces the gradient when set
    TMSNImageDrawMethod BackgroundDrawMethod = dmActualSize;
};
