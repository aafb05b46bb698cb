#pragma once

// What the main window needs of the embedded media player before playback
// proper is wired in: its mute state and its release at exit.
class PlayerHandle {
public:
    virtual ~PlayerHandle() = default;
    virtual bool muted() const = 0;
    virtual void setMuted(bool muted) = 0;
    virtual void setLoop(bool loop) = 0;
    // Frees the player; later calls do nothing.
    virtual void release() = 0;
};

// Holds the settings until a real player takes them over.
class IdlePlayer : public PlayerHandle {
public:
    bool muted() const override { return muted_; }
    void setMuted(bool muted) override { muted_ = muted; }
    void setLoop(bool loop) override { loop_ = loop; }
    void release() override { released_ = true; }

    bool loop() const { return loop_; }
    bool released() const { return released_; }

private:
    bool muted_ = false;
    bool loop_ = false;
    bool released_ = false;
};
