#include "platform/wave_player.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <mpv/client.h>

#include <clocale>

WavePlayer::WavePlayer(QString folder) : folder_(std::move(folder)) {}

WavePlayer::~WavePlayer() {
    if (mpv_) mpv_terminate_destroy(mpv_);
}

bool WavePlayer::ensureHandle() {
    if (mpv_ || failed_) return mpv_ != nullptr;
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) {
        failed_ = true;
        return false;
    }
    mpv_set_option_string(mpv_, "vo", "null");
    mpv_set_option_string(mpv_, "video", "no");
    mpv_set_option_string(mpv_, "terminal", "no");
    mpv_set_option_string(mpv_, "idle", "yes");
    const QByteArray ao = qgetenv("LYRAVOX_AO");
    if (!ao.isEmpty()) mpv_set_option_string(mpv_, "ao", ao.constData());
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        failed_ = true;
    }
    return mpv_ != nullptr;
}

void WavePlayer::drainEvents() {
    // Nobody listens to this handle's events; keep its queue from filling up.
    while (mpv_wait_event(mpv_, 0)->event_id != MPV_EVENT_NONE) {
    }
}

bool WavePlayer::play(const QString& name) {
    const QString path = QDir(folder_).filePath(name);
    if (!QFileInfo(path).isFile() || !ensureHandle()) {
        QApplication::beep();
        return false;
    }
    drainEvents();
    const QByteArray file = QFile::encodeName(path);
    const char* command[] = {"loadfile", file.constData(), "replace", nullptr};
    if (mpv_command_async(mpv_, 0, command) < 0) {
        QApplication::beep();
        return false;
    }
    return true;
}
