#pragma once

#include <cstdio>
#include <mutex>
#include <string>

namespace service {

// One line per request: method, the target exactly as received, status. Bytes
// that are not printable ASCII are written as %XX so the line stays one line.
std::string requestLogLine(const std::string& method, const std::string& target, int status);

class RequestLog {
public:
    RequestLog() = default;
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    bool openFile(const std::string& path);  // appends
    void setEcho(bool toStdout) { echo_ = toStdout; }
    void record(const std::string& method, const std::string& target, int status);

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
    bool echo_ = false;
};

}  // namespace service
