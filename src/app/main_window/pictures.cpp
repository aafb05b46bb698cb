#include "app/main_window/pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pictures {

namespace {

QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawNote(QPainter& p, const QRectF& box, const QColor& colour) {
    const qreal w = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(box.left() + w * 0.18, box.top() + w * 0.62, w * 0.26, w * 0.2));
    p.drawEllipse(QRectF(box.left() + w * 0.56, box.top() + w * 0.54, w * 0.26, w * 0.2));
    QPainterPath beam;
    beam.addRect(QRectF(box.left() + w * 0.38, box.top() + w * 0.2, w * 0.06, w * 0.52));
    beam.addRect(QRectF(box.left() + w * 0.76, box.top() + w * 0.12, w * 0.06, w * 0.52));
    QPolygonF top;
    top << QPointF(box.left() + w * 0.38, box.top() + w * 0.2)
        << QPointF(box.left() + w * 0.82, box.top() + w * 0.12)
        << QPointF(box.left() + w * 0.82, box.top() + w * 0.24)
        << QPointF(box.left() + w * 0.38, box.top() + w * 0.32);
    beam.addPolygon(top);
    p.drawPath(beam);
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap = blank(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 127, 196));
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        drawNote(p, QRectF(0, 0, size, size), Qt::white);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon pageButtonIcon(int index) {
    static const QColor colours[] = {{71, 112, 65},  {217, 53, 94}, {196, 127, 70},
                                     {70, 127, 196}, {128, 90, 160}, {40, 150, 150},
                                     {150, 120, 40}, {200, 80, 40},  {90, 90, 90}};
    const QColor colour = colours[static_cast<unsigned>(index) % std::size(colours)];
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(130));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    drawNote(p, QRectF(1, 1, 14, 14), Qt::white);
    return QIcon(pixmap);
}

QPixmap busyFrame(int frame) {
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < kBusyFrames; ++dot) {
        const double angle = 2 * std::numbers::pi * dot / kBusyFrames;
        const int age = (frame - dot + kBusyFrames) % kBusyFrames;
        p.setBrush(QColor(70, 127, 196, 255 - age * 28));
        p.drawEllipse(QPointF(8 + 5.5 * std::cos(angle), 8 + 5.5 * std::sin(angle)), 1.6, 1.6);
    }
    return pixmap;
}

}  // namespace pictures
