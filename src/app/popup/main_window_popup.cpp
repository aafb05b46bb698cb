#include "app/popup/main_window_popup.h"

#include "app/popup/msn_popup.h"
#include "app/popup/popup_pictures.h"

namespace {

QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

void configureMSNPopUp1(TMSNPopUp& popup) {
    const QColor blue(41, 87, 175);

    popup.URL = QStringLiteral("about:blank");
    popup.IconBitmap = noticeIconPicture();
    popup.IconLeft = 4;
    popup.IconTop = 4;
    popup.TimeOut = 4;
    popup.Width = 160;
    popup.Height = 90;
    popup.GradientColor1 = blue;
    popup.GradientColor2 = QColor(255, 255, 255);
    popup.GradientOrientation = mbVertical;
    popup.ScrollSpeed = 9;

    popup.Font = {pixelFont(QStringLiteral("Tahoma"), 12), QColor()};
    QFont hover = pixelFont(QStringLiteral("Tahoma"), 12);
    hover.setUnderline(true);
    popup.HoverFont = {hover, blue};
    QFont title = pixelFont(QStringLiteral("宋体"), 12);
    title.setBold(true);
    popup.TitleFont = {title, QColor()};

    popup.Options = msnCascadePopups;
    popup.TextAlignment = Qt::AlignHCenter;
    popup.TextCursor = Qt::ArrowCursor;
    popup.PopupMarge = 2;
    popup.PopupStartX = 16;
    popup.PopupStartY = 2;
    popup.BackgroundImage = noticeBackgroundPicture();
    popup.BackgroundDrawMethod = dmActualSize;
    popup.OnClick = nullptr;
    popup.OnURLClick = nullptr;
}
