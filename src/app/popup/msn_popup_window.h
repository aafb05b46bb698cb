#pragma once

#include "app/popup/msn_popup.h"
#include "app/popup/msn_popup_properties.h"
#include "app/popup/popup_motion.h"
#include "app/popup/popup_placement.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QTimer;
class TMouseLabel;

// One popup notice: a frameless, always-on-top window that never takes the
// focus, slides in from the task bar, stays TimeOut seconds, slides back and
// frees itself. Any click closes it at once.
class TfrmMSNPopUp : public QWidget {
    Q_OBJECT
public:
    // Copies the settings; `slot` is where the component placed it.
    TfrmMSNPopUp(const TMSNPopUpProperties& settings, const PopupSlot& slot, TMSNPopUp* owner);
    ~TfrmMSNPopUp() override;

    const PopupSlot& slot() const { return slot_; }
    const PopupMotion& motion() const { return motion_; }

    // Timer handlers, public so the slide can be stepped without waiting.
    void tmrScrollTimer();
    void tmrExitTimer();
    void tmrScrollDownTimer();

    QFrame* pnlBorder;
    QLabel* imgGradient;
    QLabel* imgMsn;
    TMouseLabel* lblTitle;
    TMouseLabel* lblText;
    QTimer* tmrExit;
    QTimer* tmrScroll;
    QTimer* tmrScrollDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TMSNPopUp;
    void detachOwner() { owner_ = nullptr; }

    void buildTitle();
    void buildBackground();
    void buildText();
    void applyFont(TMouseLabel* label, const TMSNPopUpFont& font);
    void lblTextMouseReleased(Qt::MouseButton button, bool inside);
    void fireThenClose(const std::function<void(TMSNPopUp*)>& fire);
    void finish();

    TMSNPopUpProperties settings_;
    PopupSlot slot_;
    PopupMotion motion_;
    QPointer<TMSNPopUp> owner_;
    bool finished_ = false;
};
