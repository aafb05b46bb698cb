#include "platform/http_clients.h"

std::array<HttpClient*, 8> HttpClients::all() {
    return {&login_http, &http,          &upview_http, &lrc_http,
            &online_info_http, &download_http, &bead_http, &update_http};
}

void HttpClients::setProxy(const HttpProxy& proxy) {
    for (HttpClient* client : all()) client->setProxy(proxy);
}
