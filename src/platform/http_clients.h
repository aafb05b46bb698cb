#pragma once

#include "platform/http_client.h"

#include <array>

// The program's eight HTTP clients, one per kind of request, each with its own
// cookies and proxy.
struct HttpClients {
    HttpClient login_http{QStringLiteral("login_http")};  // login and connection test
    HttpClient http{QStringLiteral("http")};  // catalogue pages
    HttpClient upview_http{QStringLiteral("upview_http")};  // play-count report
    HttpClient lrc_http{QStringLiteral("lrc_http")};  // lyric downloads
    HttpClient online_info_http{QStringLiteral("online_info_http")};
    HttpClient download_http{QStringLiteral("download_http")};  // song downloads
    HttpClient bead_http{QStringLiteral("bead_http")};  // balance check
    HttpClient update_http{QStringLiteral("update_http")};

    std::array<HttpClient*, 8> all();
    // Every client gets that proxy.
    void setProxy(const HttpProxy& proxy);
};
