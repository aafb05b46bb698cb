#include "app/popup/popup_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor kBlue(41, 87, 175);

}  // namespace

QPixmap noticeIconPicture() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(2, 10, 5.5, 4.5));
    p.drawEllipse(QRectF(9, 8, 5.5, 4.5));
    p.drawRect(QRectF(6.5, 2.5, 1.2, 9.5));
    p.drawRect(QRectF(13.5, 0.5, 1.2, 9.5));
    QPainterPath beam;
    beam.moveTo(6.5, 2.5);
    beam.lineTo(14.7, 0.5);
    beam.lineTo(14.7, 3.0);
    beam.lineTo(6.5, 5.0);
    beam.closeSubpath();
    p.drawPath(beam);
    return QPixmap::fromImage(image);
}

QPixmap noticeBackgroundPicture() {
    const int width = 150;
    const int height = 80;
    const QColor wash(206, 224, 248);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = std::max(double(x) / (width - 1), double(y) / (height - 1));
            const double w = t * t;  // keep the wash near the title, fade fast at the edges
            image.setPixel(x, y,
                           qRgb(int(wash.red() + (255 - wash.red()) * w),
                                int(wash.green() + (255 - wash.green()) * w),
                                int(wash.blue() + (255 - wash.blue()) * w)));
        }
    }
    return QPixmap::fromImage(image);
}

QPixmap noticeStripPicture() {
    QImage image(32, 3, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) {
        const int t = x * 255 / (image.width() - 1);
        const QRgb c = qRgb(41 + (153 - 41) * t / 255, 87 + (204 - 87) * t / 255,
                            175 + (255 - 175) * t / 255);
        for (int y = 0; y < image.height(); ++y) image.setPixel(x, y, c);
    }
    return QPixmap::fromImage(image);
}
