#pragma once

#include <httplib.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A cpp-httplib server on 127.0.0.1 and a free port, running on its own thread for
// the life of the object, remembering every request it received.
class LocalHttpServer {
public:
    struct Seen {
        std::string method;
        std::string target;  // the request line's target, as received
        httplib::Headers headers;

        std::string header(const std::string& name) const {
            auto it = headers.find(name);
            return it == headers.end() ? std::string() : it->second;
        }
    };

    LocalHttpServer() {
        server.set_keep_alive_timeout(1);
        server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
            std::lock_guard lock(mutex_);
            seen_.push_back({request.method, request.target, request.headers});
            return httplib::Server::HandlerResponse::Unhandled;
        });
        port_ = server.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::yield();
    }

    ~LocalHttpServer() {
        stopping = true;
        server.stop();
        thread_.join();
    }

    std::string url(const std::string& target) const {
        return "http://127.0.0.1:" + std::to_string(port_) + target;
    }
    int port() const { return port_; }

    std::vector<Seen> seen() const {
        std::lock_guard lock(mutex_);
        return seen_;
    }
    Seen last() const {
        std::lock_guard lock(mutex_);
        return seen_.empty() ? Seen{} : seen_.back();
    }

    httplib::Server server;
    // Raised when the server is going away, for handlers that never end by themselves.
    std::atomic<bool> stopping{false};

private:
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<Seen> seen_;
};
