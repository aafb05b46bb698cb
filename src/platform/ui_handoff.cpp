#include "platform/ui_handoff.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

void runOnUi(std::function<void()> fn) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !fn) return;
    // Posted events to one receiver are delivered in the order they were posted.
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}
