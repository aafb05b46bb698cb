#pragma once

#include "request_log.h"
#include "service_data.h"

#include <httplib.h>

#include <QString>

#include <memory>
#include <string>

namespace service {

// The demo service: web site, web server and file server on one port.
// load(), then bind(), then run() (blocking) until stop() from another thread.
class Service {
public:
    Service();
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    bool load(const QString& dataDir, QString* error);
    RequestLog& log() { return log_; }
    // How fast radio streams flow after their head start; tests speed them up.
    void setStreamPace(int bytesPerSecond) { data_.streamBytesPerSecond = bytesPerSecond; }

    // Binds to host; port 0 picks a free one. Returns the port, or -1.
    int bind(const std::string& host, int port);
    bool run();
    void stop();

private:
    ServiceData data_;
    RequestLog log_;
    std::unique_ptr<httplib::Server> server_;
};

}  // namespace service
