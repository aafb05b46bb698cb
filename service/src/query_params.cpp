#include "query_params.h"

#include "platform/gbk.h"

namespace service {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

QByteArray percentDecode(const QByteArray& raw) {
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '%' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
            out.append(static_cast<char>(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2])));
            i += 2;
        } else {
            out.append(raw[i]);
        }
    }
    return out;
}

QueryParams QueryParams::fromTarget(const std::string& target) {
    QueryParams params;
    const auto mark = target.find('?');
    if (mark == std::string::npos) return params;
    const QByteArray query = QByteArray::fromStdString(target.substr(mark + 1));
    for (const QByteArray& pair : query.split('&')) {
        if (pair.isEmpty()) continue;
        const qsizetype eq = pair.indexOf('=');
        const QByteArray key = eq < 0 ? pair : pair.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
        const QString name = QString::fromLatin1(percentDecode(key));
        if (!params.values_.contains(name)) params.values_.insert(name, percentDecode(value));
    }
    return params;
}

QString QueryParams::text(const QString& key) const {
    return gbk::toUnicode(values_.value(key));
}

std::optional<long long> QueryParams::positive(const QString& key, long long max) const {
    const QByteArray value = values_.value(key);
    if (value.isEmpty() || value.size() > 18) return std::nullopt;
    long long number = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > max) return std::nullopt;
    return number;
}

}  // namespace service
