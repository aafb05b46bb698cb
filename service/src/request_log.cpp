#include "request_log.h"

namespace service {

std::string requestLogLine(const std::string& method, const std::string& target, int status) {
    static const char* hex = "0123456789ABCDEF";
    std::string line = method + ' ';
    for (unsigned char c : target) {
        if (c > 0x20 && c < 0x7F) {
            line += static_cast<char>(c);
        } else {
            line += '%';
            line += hex[c >> 4];
            line += hex[c & 15];
        }
    }
    return line + ' ' + std::to_string(status);
}

RequestLog::~RequestLog() {
    if (file_) std::fclose(file_);
}

bool RequestLog::openFile(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (file_) std::fclose(file_);
    file_ = std::fopen(path.c_str(), "a");
    return file_ != nullptr;
}

void RequestLog::record(const std::string& method, const std::string& target, int status) {
    const std::string line = requestLogLine(method, target, status) + '\n';
    std::lock_guard lock(mutex_);
    if (file_) {
        std::fputs(line.c_str(), file_);
        std::fflush(file_);
    }
    if (echo_) {
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    }
}

}  // namespace service
