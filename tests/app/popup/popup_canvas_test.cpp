#include "app/popup/popup_canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupCanvas, VerticalGradientRunsTopToBottomWithExactEnds) {
    const QImage img = paintGradient(QSize(20, 11), QColor(40, 80, 180), QColor(240, 255, 0),
                                     mbVertical);
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(40, 80, 180));
    EXPECT_EQ(QColor(img.pixel(19, 0)), QColor(40, 80, 180));
    EXPECT_EQ(QColor(img.pixel(7, 5)), QColor(140, 167, 90));  // halfway
    EXPECT_EQ(QColor(img.pixel(0, 10)), QColor(240, 255, 0));
}

TEST(PopupCanvas, HorizontalGradientRunsLeftToRight) {
    const QImage img = paintGradient(QSize(3, 8), QColor(0, 0, 0), QColor(200, 100, 50),
                                     mbHorizontal);
    for (int y : {0, 7}) {
        EXPECT_EQ(QColor(img.pixel(0, y)), QColor(0, 0, 0));
        EXPECT_EQ(QColor(img.pixel(1, y)), QColor(100, 50, 25));
        EXPECT_EQ(QColor(img.pixel(2, y)), QColor(200, 100, 50));
    }
}

TEST(PopupCanvas, BackgroundPictureReplacesTheGradientByItsDrawMethod) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    TMSNPopUpProperties p;
    p.BackgroundImage = QPixmap::fromImage(red);

    p.BackgroundDrawMethod = dmActualSize;
    QImage canvas = paintNoticeCanvas(QSize(10, 10), p);
    EXPECT_EQ(QColor(canvas.pixel(3, 3)), QColor(Qt::red));
    EXPECT_NE(QColor(canvas.pixel(6, 6)), QColor(Qt::red));

    p.BackgroundDrawMethod = dmTile;
    canvas = paintNoticeCanvas(QSize(10, 10), p);
    EXPECT_EQ(QColor(canvas.pixel(9, 9)), QColor(Qt::red));

    p.BackgroundDrawMethod = dmFit;
    canvas = paintNoticeCanvas(QSize(10, 10), p);
    EXPECT_EQ(QColor(canvas.pixel(9, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(canvas.pixel(0, 9)), QColor(Qt::red));
}

TEST(PopupCanvas, IconIsDrawnWithTransparencyAtItsPosition) {
    QImage icon(4, 4, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(0, 0, qRgb(0, 255, 0));
    TMSNPopUpProperties p;
    p.GradientColor1 = p.GradientColor2 = QColor(Qt::white);
    p.IconBitmap = QPixmap::fromImage(icon);
    p.IconLeft = 4;
    p.IconTop = 6;
    const QImage canvas = paintNoticeCanvas(QSize(12, 12), p);
    EXPECT_EQ(QColor(canvas.pixel(4, 6)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(canvas.pixel(5, 6)), QColor(Qt::white));
}

}  // namespace
