#include "app/notify/notification_slot.h"

void NotificationSlot::put(Notification notification) {
    std::lock_guard lock(mutex_);
    pending_ = std::move(notification);
}

std::optional<Notification> NotificationSlot::take() {
    std::lock_guard lock(mutex_);
    std::optional<Notification> taken = std::move(pending_);
    pending_.reset();
    return taken;
}
