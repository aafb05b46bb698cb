#pragma once

#include <QString>

struct mpv_handle;

// Plays short sound files asynchronously: the call returns at once and a new
// sound cuts off one still playing. A file that is missing gives the default
// alert beep instead. The audio output can be forced with LYRAVOX_AO (tests use
// "null").
class WavePlayer {
public:
    explicit WavePlayer(QString folder);
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // name is a bare file name inside the folder. Returns false when the beep
    // stood in for it.
    bool play(const QString& name);

private:
    bool ensureHandle();
    void drainEvents();

    QString folder_;
    mpv_handle* mpv_ = nullptr;
    bool failed_ = false;
};
