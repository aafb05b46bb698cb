#include "app/main_window/player_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* text(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QSlider* slider(const QString& name, const QString& hint, int width, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 255);
    s->setToolTip(hint);
    s->setMinimumWidth(width);
    s->setEnabled(false);
    return s;
}

}  // namespace

PlayerBar::PlayerBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("playp"));
    setAutoFillBackground(true);
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectMode);
    background.setColorAt(0, QColor(58, 64, 72));
    background.setColorAt(1, QColor(24, 28, 32));
    QPalette look = palette();
    look.setBrush(QPalette::Window, background);
    setPalette(look);
    setStyleSheet(QStringLiteral("QLabel { color: lime; }"));

    auto* controls = new QHBoxLayout;
    controls->setSpacing(2);
    controls->addWidget(imageButton(QStringLiteral("play_b"), QStringLiteral("开始播放"), QStyle::SP_MediaPlay));
    controls->addWidget(imageButton(QStringLiteral("pause_b"), QStringLiteral("暂停播放"), QStyle::SP_MediaPause));
    controls->addWidget(imageButton(QStringLiteral("stop_b"), QStringLiteral("停止播放"), QStyle::SP_MediaStop));
    controls->addWidget(imageButton(QStringLiteral("next_b"), QStringLiteral("播放当前收藏夹下一首"), QStyle::SP_MediaSkipForward));
    controls->addWidget(imageButton(QStringLiteral("prev_b"), QStringLiteral("播放当前收藏夹上一首"), QStyle::SP_MediaSkipBackward));
    mute_ = imageButton(QStringLiteral("mute_b"), QStringLiteral("打开/静音"), QStyle::SP_MediaVolume);
    controls->addWidget(mute_);
    auto* state = text(QStringLiteral("zhuangtai"), QStringLiteral("播放状态"), this);
    state->setFixedWidth(47);
    controls->addWidget(state);
    controls->addWidget(imageButton(QStringLiteral("xunhuan_b"), QStringLiteral("循环当前收藏夹"), QStyle::SP_BrowserReload));
    auto* track = text(QStringLiteral("qumuxinxi"), QStringLiteral("曲目信息..."), this);
    track->setFixedWidth(281);
    controls->addWidget(track);
    auto* lyrics = text(QStringLiteral("geci_button"), QStringLiteral("显示Mini歌词秀"), this);
    lyrics->setStyleSheet(QStringLiteral("text-decoration: underline;"));
    lyrics->setCursor(Qt::PointingHandCursor);
    lyrics->setEnabled(false);
    controls->addWidget(lyrics);
    controls->addStretch(1);
    auto* player = new QWidget(this);
    player->setObjectName(QStringLiteral("player"));
    player->setFixedSize(83, 14);
    controls->addWidget(player);

    auto* progress = new QHBoxLayout;
    progress->setSpacing(6);
    progress->addWidget(text(QStringLiteral("yi"), QStringLiteral("00:00"), this));
    progress->addWidget(slider(QStringLiteral("jindu"), QStringLiteral("播放进度调节"), 325, this), 1);
    progress->addWidget(text(QStringLiteral("zong"), QStringLiteral("00:00"), this));
    progress->addSpacing(12);
    vol_ = slider(QStringLiteral("vol"), QStringLiteral("音量调节"), 132, this);
    vol_->setFixedWidth(132);
    progress->addWidget(vol_);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(0);
    rows->addLayout(controls);
    rows->addLayout(progress);
}

void PlayerBar::setMuteImage(int image) {
    muteImage_ = image;
    mute_->setIcon(style()->standardIcon(image == kMutedImage ? QStyle::SP_MediaVolumeMuted
                                                              : QStyle::SP_MediaVolume));
}

QToolButton* PlayerBar::imageButton(const QString& name, const QString& hint, int standardIcon) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon)));
    button->setAutoRaise(true);
    button->setFixedSize(24, 24);
    button->setEnabled(false);
    return button;
}
