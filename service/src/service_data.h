#pragma once

#include "accounts.h"
#include "catalogue.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace service {

// Everything the routes share: loaded once, then read by many request threads.
struct ServiceData {
    QString dataDir;
    Catalogue catalogue;
    Accounts accounts;
    QStringList messages;       // online-info message lines, served in turn
    std::atomic<unsigned> onlineCalls{0};
    std::atomic<bool> stopping{false};  // ends endless streams at shutdown
    int streamBytesPerSecond = 4000;     // the demo streams are 32 kbit/s MP3

    bool load(const QString& dir, QString* error);
    QString filesDir() const;
};

}  // namespace service
