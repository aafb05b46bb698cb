#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>
#include <string>

namespace service {

// The parameters of a request target, taken from the raw bytes as they arrived.
// The client escapes some values byte-wise (%XX over GBK bytes) and sends others
// as raw GBK bytes; decoding %XX and leaving every other byte alone reads both.
// "+" stays a plus: the client never writes a blank as "+", while Base64 has "+".
class QueryParams {
public:
    static QueryParams fromTarget(const std::string& target);

    bool has(const QString& key) const { return values_.contains(key); }
    QByteArray bytes(const QString& key) const { return values_.value(key); }
    // The value read as GBK text.
    QString text(const QString& key) const;
    // A decimal number in 1..max; nothing for anything else, missing included.
    std::optional<long long> positive(const QString& key, long long max) const;

private:
    QMap<QString, QByteArray> values_;  // first occurrence of a key wins
};

QByteArray percentDecode(const QByteArray& raw);

}  // namespace service
