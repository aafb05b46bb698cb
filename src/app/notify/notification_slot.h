#pragma once

#include "app/notify/notification.h"

#include <mutex>
#include <optional>

// The single pending notification. A posting replaces one not yet delivered;
// code, title and text always travel together. Any thread.
class NotificationSlot {
public:
    void put(Notification notification);
    // The pending notification, leaving the slot empty.
    std::optional<Notification> take();

private:
    std::mutex mutex_;
    std::optional<Notification> pending_;
};
