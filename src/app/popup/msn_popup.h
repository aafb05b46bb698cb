#pragma once

#include "app/popup/msn_popup_properties.h"
#include "app/popup/popup_placement.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class TfrmMSNPopUp;

// The screen and its work area (the screen without the task bar).
struct ScreenArea {
    QRect screen;
    QRect workArea;
};

// The popup notice component: its settings (the properties, public so callers
// set Title, Text, TimeOut and so on directly) and the stacking state of all
// notices it has open. UI thread only.
class TMSNPopUp : public QObject, public TMSNPopUpProperties {
    Q_OBJECT
public:
    explicit TMSNPopUp(QObject* parent = nullptr);
    ~TMSNPopUp() override;

    // Opens one notice with the current settings next to the task bar. False
    // when there is no room left for a further stacked notice.
    bool ShowNotice();

    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender, const QString& url)> OnURLClick;

    // The primary screen by default.
    void setScreenSource(std::function<ScreenArea()> source);
    // How msnAutoOpenURL opens an address; the desktop's browser by default.
    void setUrlOpener(std::function<void(const QString& url)> opener);

    const PopupPlacement& placement() const { return placement_; }
    QList<TfrmMSNPopUp*> openNotices() const;

private:
    friend class TfrmMSNPopUp;
    void noticeClosed(TfrmMSNPopUp* notice, const PopupSlot& slot);
    void noticeClicked();
    void noticeUrlClicked(const QString& url, bool autoOpen);

    PopupPlacement placement_;
    QList<QPointer<TfrmMSNPopUp>> notices_;
    std::function<ScreenArea()> screenSource_;
    std::function<void(const QString&)> urlOpener_;
};
