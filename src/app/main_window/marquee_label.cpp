#include "app/main_window/marquee_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

MarqueeLabel::MarqueeLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    timer_ = new QTimer(this);
    timer_->setInterval(kScrollDelayMs);
    connect(timer_, &QTimer::timeout, this, &MarqueeLabel::step);
    timer_->start();
}

void MarqueeLabel::setText(const QString& text) {
    text_ = text;
    offset_ = 0;
    update();
}

int MarqueeLabel::scrollDelay() const {
    return timer_->isActive() ? kScrollDelayMs : 0;
}

void MarqueeLabel::toggleScrolling() {
    if (timer_->isActive()) timer_->stop();
    else timer_->start();
}

QSize MarqueeLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()};
}

void MarqueeLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(width() - offset_, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine,
               text_);
}

void MarqueeLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) toggleScrolling();
}

void MarqueeLabel::step() {
    // Start again at the right edge once the text has left on the left.
    const int span = width() + fontMetrics().horizontalAdvance(text_);
    offset_ = span > 0 ? (offset_ + 1) % span : 0;
    update();
}
