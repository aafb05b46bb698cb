#pragma once

#include <QFrame>

class QLabel;
class QSlider;
class QToolButton;

// The player strip: transport buttons, state and track texts, sliders and
// times. The buttons answer once playback is wired in; until then they are off.
class PlayerBar : public QFrame {
    Q_OBJECT
public:
    // Images of the mute button: sound on, muted.
    static constexpr int kSoundOnImage = 5;
    static constexpr int kMutedImage = 6;

    explicit PlayerBar(QWidget* parent = nullptr);

    int muteImage() const { return muteImage_; }
    void setMuteImage(int image);

    QSlider* volume() const { return vol_; }

private:
    QToolButton* imageButton(const QString& name, const QString& hint, int standardIcon);

    QToolButton* mute_ = nullptr;
    QSlider* vol_ = nullptr;
    int muteImage_ = kSoundOnImage;
};
