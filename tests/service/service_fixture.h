#pragma once

#include "service.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <thread>

#include "platform/gbk.h"

// The demo service with its assembled data folder, in-process on a free port.
class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(service_.load(QStringLiteral(LYRAVOX_BINARY_DIR "/service-data"), &error)) << error.toStdString();
        service_.setStreamPace(50'000'000);
        port_ = service_.bind("127.0.0.1", 0);
        ASSERT_GT(port_, 0);
        thread_ = std::thread([this] { service_.run(); });
        client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
        client_->set_url_encode(false);  // send targets byte for byte, as the program does
    }
    void TearDown() override {
        service_.stop();
        if (thread_.joinable()) thread_.join();
    }

    struct Reply {
        int status = 0;
        std::string body;
        QString text() const { return gbk::toUnicode(QByteArray::fromStdString(body)); }
    };
    Reply get(const std::string& target, const httplib::Headers& headers = {}) {
        const auto res = client_->Get(target.c_str(), headers);
        return res ? Reply{res->status, res->body} : Reply{};
    }
    Reply web(const std::string& pageAndQuery) { return get("/lyravox3.0/" + pageAndQuery); }

    // Byte-wise %XX of a text's GBK bytes, as the client escapes a keyword.
    static std::string escaped(const QString& text) {
        std::string out;
        for (unsigned char c : gbk::fromUnicode(text)) {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
        return out;
    }
    static std::string rawGbk(const QString& text) { return gbk::fromUnicode(text).toStdString(); }

    service::Service service_;
    int port_ = 0;
    std::thread thread_;
    std::unique_ptr<httplib::Client> client_;
};
