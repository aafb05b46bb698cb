#include "platform/http_client.h"

#include "platform/gbk.h"
#include "platform/http_url.h"
#include "platform/workers.h"

#include <curl/curl.h>

#include <array>
#include <utility>

namespace {

constexpr const char* kUserAgent = "Lyravox3.0";
constexpr const char* kAcceptHeader = "Accept: text/html, */*";

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What the callbacks of one transfer share.
struct Transfer {
    const HttpRequest& request;
    HttpResponse& response;
    CURL* easy = nullptr;
    const CancelFlag* jobFlag = nullptr;
    qint64 received = 0;
    bool errorStatus = false;

    bool cancelled() const {
        return (request.cancel && request.cancel->raised()) || (jobFlag && jobFlag->raised());
    }
};

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const size_t length = size * count;
    const QByteArray line = QByteArray(data, qsizetype(length)).trimmed();
    if (line.startsWith("HTTP/")) {
        // A new answer begins (after a redirect or an interim answer).
        transfer.response.statusLine = line;
        transfer.response.headers.clear();
    } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
        transfer.response.headers.append(
            {line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return length;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const size_t length = size * count;
    long status = 0;
    curl_easy_getinfo(transfer.easy, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400) {
        // The body of an error answer is of no use to anyone.
        transfer.errorStatus = true;
        return 0;
    }
    if (transfer.cancelled()) {
        transfer.response.aborted = true;
        return 0;
    }
    const QByteArray block(data, qsizetype(length));
    transfer.received += qint64(length);
    if (transfer.request.keepBody) transfer.response.body.append(block);
    if (transfer.request.onBlock && !transfer.request.onBlock(block, transfer.received)) {
        transfer.response.aborted = true;
        return 0;
    }
    return length;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(user);
    if (!transfer.cancelled()) return 0;
    transfer.response.aborted = true;
    return 1;
}

QByteArray rangeHeader(const ByteRange& range) {
    QByteArray header = "Range: bytes=" + QByteArray::number(range.first) + "-";
    if (range.last >= 0) header += QByteArray::number(range.last);
    return header;
}

struct SList {
    curl_slist* list = nullptr;
    ~SList() { curl_slist_free_all(list); }
    void add(const QByteArray& line) { list = curl_slist_append(list, line.constData()); }
};

// Sets the proxy options and returns the request line's target.
QByteArray routeThroughProxy(CURL* easy, const HttpUrlParts& url, const HttpProxy& proxy,
                             SList& connectTo) {
    // Set explicitly either way, so the environment's proxy variables never apply.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    if (!proxy.enabled()) return url.target;
    const QByteArray address = proxy.host.toUtf8() + ":" + QByteArray::number(proxy.port);
    if (url.origin.toLower().startsWith("http://")) {
        // A proxied plain request is the absolute address, sent to the proxy's socket.
        connectTo.add("::" + address);
        curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectTo.list);
        return url.origin + url.target;
    }
    curl_easy_setopt(easy, CURLOPT_PROXY, address.constData());
    curl_easy_setopt(easy, CURLOPT_PROXYTYPE, long(CURLPROXY_HTTP));
    return url.target;
}

// Decides between success and failure once the transfer has ended.
void settle(HttpResponse& response, CURLcode result, bool errorStatus, const char* errorText) {
    if (errorStatus || response.status >= 400) {
        response.error = QString::fromLatin1(response.statusLine);
        if (response.error.isEmpty())
            response.error = QStringLiteral("HTTP status %1").arg(response.status);
    } else if (result != CURLE_OK) {
        response.error = response.aborted ? QStringLiteral("transfer stopped")
                         : errorText[0]   ? QString::fromLocal8Bit(errorText)
                                          : QString::fromLatin1(curl_easy_strerror(result));
    } else if (response.status == 0) {
        response.error = QStringLiteral("no answer");
    } else {
        response.ok = true;
    }
}

}  // namespace

// The cookie store of one client: a libcurl share object whose data is guarded by
// one lock per kind, since the client's requests run on many threads at once.
struct HttpClient::Cookies {
    CURLSH* share = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;

    Cookies() {
        share = curl_share_init();
        curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &Cookies::lock);
        curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &Cookies::unlock);
        curl_share_setopt(share, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }
    ~Cookies() { curl_share_cleanup(share); }

    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
        static_cast<Cookies*>(user)->locks[size_t(data)].lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* user) {
        static_cast<Cookies*>(user)->locks[size_t(data)].unlock();
    }

    void attach(CURL* easy) const {
        curl_easy_setopt(easy, CURLOPT_SHARE, share);
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // turns the cookie engine on
    }
};

QByteArray HttpResponse::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
    return {};
}

HttpClient::HttpClient(QString name) : name_(std::move(name)) {
    initCurlOnce();
    cookies_ = std::make_unique<Cookies>();
}

HttpClient::~HttpClient() = default;

void HttpClient::setProxy(const HttpProxy& proxy) {
    std::lock_guard lock(proxyMutex_);
    proxy_ = proxy;
}

HttpProxy HttpClient::proxy() const {
    std::lock_guard lock(proxyMutex_);
    return proxy_;
}

HttpResponse HttpClient::get(const QString& url) const {
    HttpRequest request;
    request.url = gbk::fromUnicode(url);
    return send(request);
}

HttpResponse HttpClient::head(const QString& url) const {
    HttpRequest request;
    request.url = gbk::fromUnicode(url);
    request.method = HttpRequest::Method::Head;
    return send(request);
}

HttpResponse HttpClient::send(const HttpRequest& request) const {
    HttpResponse response;
    CURL* easy = curl_easy_init();
    if (!easy) {
        response.error = QStringLiteral("cannot create a transfer");
        return response;
    }
    Transfer transfer{request, response, easy, CancelFlag::current()};
    char errorText[CURL_ERROR_SIZE] = {};

    const HttpProxy proxy = this->proxy();
    if (proxy.enabled() && (proxy.port < 1 || proxy.port > 65535)) {
        curl_easy_cleanup(easy);
        response.error = QStringLiteral("proxy port %1 is out of range").arg(proxy.port);
        return response;
    }
    // libcurl would re-escape raw bytes of the path, so it is given only the origin and
    // the request line's target is set verbatim.
    const HttpUrlParts url = splitHttpUrl(request.url);
    SList connectTo;
    const QByteArray target = routeThroughProxy(easy, url, proxy, connectTo);
    curl_easy_setopt(easy, CURLOPT_URL, url.origin.constData());
    curl_easy_setopt(easy, CURLOPT_REQUEST_TARGET, target.constData());
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    if (request.method == HttpRequest::Method::Head) curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);

    SList headers;
    headers.add(kAcceptHeader);
    if (request.range) headers.add(rangeHeader(*request.range));
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.list);

    cookies_->attach(easy);

    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);

    const CURLcode result = curl_easy_perform(easy);

    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_off_t length = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    curl_easy_cleanup(easy);

    response.status = int(status);
    response.contentLength = qint64(length);
    settle(response, result, transfer.errorStatus, errorText);
    return response;
}

QList<QByteArray> HttpClient::cookies() const {
    QList<QByteArray> result;
    CURL* easy = curl_easy_init();
    if (!easy) return result;
    cookies_->attach(easy);
    curl_slist* list = nullptr;
    curl_easy_getinfo(easy, CURLINFO_COOKIELIST, &list);
    for (curl_slist* item = list; item; item = item->next) {
        // Netscape cookie-file line: domain, flag, path, secure, expiry, name, value.
        const QList<QByteArray> fields = QByteArray(item->data).split('\t');
        if (fields.size() >= 7) result.append(fields[5] + "=" + fields[6]);
    }
    curl_slist_free_all(list);
    curl_easy_cleanup(easy);
    return result;
}
