#include "app/popup/popup_canvas.h"

#include <QPainter>

namespace {

int mix(int a, int b, int step, int steps) {
    return steps <= 1 ? a : a + (b - a) * step / (steps - 1);
}

}  // namespace

QImage paintGradient(const QSize& size, const QColor& from, const QColor& to,
                     TMSNGradientOrientation orientation) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return image;
    QPainter painter(&image);
    const bool vertical = orientation == mbVertical;
    const int lines = vertical ? size.height() : size.width();
    for (int i = 0; i < lines; ++i) {
        const QColor c(mix(from.red(), to.red(), i, lines), mix(from.green(), to.green(), i, lines),
                       mix(from.blue(), to.blue(), i, lines));
        painter.setPen(c);
        if (vertical)
            painter.drawLine(0, i, size.width() - 1, i);
        else
            painter.drawLine(i, 0, i, size.height() - 1);
    }
    return image;
}

QImage paintNoticeCanvas(const QSize& size, const TMSNPopUpProperties& p) {
    QImage canvas;
    if (p.BackgroundImage.isNull()) {
        canvas = paintGradient(size, p.GradientColor1, p.GradientColor2, p.GradientOrientation);
    } else {
        canvas = QImage(size, QImage::Format_RGB32);
        canvas.fill(Qt::white);
    }
    if (canvas.isNull()) return canvas;

    QPainter painter(&canvas);
    if (!p.BackgroundImage.isNull()) {
        switch (p.BackgroundDrawMethod) {
        case dmActualSize: painter.drawPixmap(0, 0, p.BackgroundImage); break;
        case dmTile: painter.drawTiledPixmap(canvas.rect(), p.BackgroundImage); break;
        case dmFit: painter.drawPixmap(canvas.rect(), p.BackgroundImage); break;
        }
    }
    if (!p.IconBitmap.isNull()) painter.drawPixmap(p.IconLeft, p.IconTop, p.IconBitmap);
    return canvas;
}
