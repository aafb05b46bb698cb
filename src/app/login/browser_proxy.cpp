#include "app/login/browser_proxy.h"

#include <QRegularExpression>
#include <QtGlobal>

std::optional<HttpProxy> parseBrowserProxy(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) return std::nullopt;
    const QString portText = text.mid(colon + 1);
    bool isNumber = false;
    const int port = portText.toInt(&isNumber, 10);
    // toInt would also take blanks around the digits.
    if (!isNumber || portText.trimmed() != portText) return std::nullopt;
    return HttpProxy{text.left(colon), port};
}

QString browserProxyText() {
    QString text = qEnvironmentVariable("http_proxy");
    if (text.isEmpty()) text = qEnvironmentVariable("HTTP_PROXY");
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    text.remove(scheme);
    if (text.endsWith(u'/')) text.chop(1);
    return text;
}
