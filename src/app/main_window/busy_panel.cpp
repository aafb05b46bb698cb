#include "app/main_window/busy_panel.h"

#include "app/main_window/pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

BusyPanel::BusyPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("loadingp"));
    setFixedSize(149, 18);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setToolTip(QStringLiteral("正在请求数据,请耐心等待...\n如果很长时间无返回结果,请检查您的网络连接..."));

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("loadgif"));
    picture_->setFixedSize(16, 16);
    picture_->setPixmap(pictures::busyFrame(0));
    auto* text = new QLabel(QStringLiteral("正在获取数据,请稍候..."), this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(2);
    row->addWidget(picture_);
    row->addWidget(text, 1);

    animation_ = new QTimer(this);
    animation_->setInterval(100);
    connect(animation_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % pictures::kBusyFrames;
        picture_->setPixmap(pictures::busyFrame(frame_));
    });
    hide();
}

void BusyPanel::mousePressEvent(QMouseEvent*) {
    hide();
}

void BusyPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    animation_->start();
}

void BusyPanel::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    animation_->stop();
}
