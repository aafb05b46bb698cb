#include "service.h"

#include "routes.h"

namespace service {

void reply(httplib::Response& res, const Answer& answer) {
    res.set_content(answer.body, answer.contentType.c_str());
}

void refuse(httplib::Response& res, int status, const char* why) {
    res.status = status;
    res.set_content(std::string(why) + "\n", "text/plain; charset=UTF-8");
}

Service::Service() : server_(std::make_unique<httplib::Server>()) {}

Service::~Service() {
    stop();
}

bool Service::load(const QString& dataDir, QString* error) {
    if (!data_.load(dataDir, error)) return false;
    // Radio listeners hold a thread each for as long as they listen.
    server_->new_task_queue = [] { return new httplib::ThreadPool(32); };
    // Idle keep-alive connections hold a thread until they time out, and a stop waits for them.
    server_->set_keep_alive_timeout(1);
    server_->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        log_.record(req.method, req.target, res.status);
    });
    addSitePages(*server_, data_);
    addCatalogueRoutes(*server_, data_);
    addAccountRoutes(*server_, data_);
    addFileRoutes(*server_, data_);
    return true;
}

int Service::bind(const std::string& host, int port) {
    if (port == 0) return server_->bind_to_any_port(host);
    return server_->bind_to_port(host, port) ? port : -1;
}

bool Service::run() {
    return server_->listen_after_bind();
}

void Service::stop() {
    data_.stopping = true;
    server_->stop();
}

}  // namespace service
