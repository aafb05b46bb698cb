#include "app/popup/mouse_label.h"

#include <QMouseEvent>

TMouseLabel::TMouseLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TMouseLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void TMouseLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

void TMouseLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TMouseLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseReleased(event->button(), rect().contains(event->position().toPoint()));
}
