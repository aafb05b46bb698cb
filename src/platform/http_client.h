#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class CancelFlag;

// Where a client's requests go; no proxy while host is empty (the port alone has no
// effect then).
struct HttpProxy {
    QString host;
    int port = 0;

    bool enabled() const { return !host.isEmpty(); }
    bool operator==(const HttpProxy&) const = default;
};

// The bytes first..last of a body; last < 0 leaves the range open ("bytes=N-").
struct ByteRange {
    qint64 first = 0;
    qint64 last = -1;
};

struct HttpRequest {
    enum class Method { Get, Head };

    QByteArray url;  // sent byte for byte as given: nothing is escaped or normalised
    Method method = Method::Get;
    std::optional<ByteRange> range;
    // Each block of the body as it arrives, with the count of body bytes received so
    // far including this block. Returning false stops the transfer, which then fails.
    std::function<bool(const QByteArray& block, qint64 received)> onBlock;
    bool keepBody = true;  // also gather the body into HttpResponse::body
    // Stops the transfer when raised; the flag of the calling worker job is observed
    // in any case.
    const CancelFlag* cancel = nullptr;
};

struct HttpResponse {
    // The transfer completed and the status is below 400.
    bool ok = false;
    // Stopped by a cancel flag or by onBlock.
    bool aborted = false;
    int status = 0;  // 0 when no answer arrived
    QByteArray statusLine;  // "HTTP/1.1 404 Not Found"
    qint64 contentLength = -1;  // -1 when the answer names none
    QList<QPair<QByteArray, QByteArray>> headers;  // of the final answer, in order
    QByteArray body;
    QString error;  // why the request failed; empty when ok

    // The first header of that name (case-insensitive), empty when absent.
    QByteArray header(const QByteArray& name) const;
};

// An HTTP/1.1 client with the program's common settings: user agent "Lyravox3.0",
// Accept "text/html, */*", no time limit of its own, its own cookie store and its own
// proxy. Redirects are not followed: a 3xx answer is an answer like any other below 400. Requests are synchronous and meant for worker threads; any number may run at
// once, from any threads.
class HttpClient {
public:
    explicit HttpClient(QString name);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    const QString& name() const { return name_; }

    void setProxy(const HttpProxy& proxy);
    HttpProxy proxy() const;

    HttpResponse send(const HttpRequest& request) const;
    // The program's texts become GBK bytes here; the URL is sent exactly as those bytes.
    HttpResponse get(const QString& url) const;
    HttpResponse head(const QString& url) const;

    // Cookies this client holds, one "name=value" each; for diagnostics and tests.
    QList<QByteArray> cookies() const;

private:
    struct Cookies;

    QString name_;
    mutable std::mutex proxyMutex_;
    HttpProxy proxy_;
    std::unique_ptr<Cookies> cookies_;
};
