#include "catalogue/row_key.h"

QString joinRowKey(const QString& head, const QString& tail) {
    return head + u'|' + tail;
}

RowKeyParts splitRowKey(const QString& key) {
    const qsizetype bar = key.indexOf(u'|');
    if (bar < 0) return {key, QString()};
    return {key.left(bar), key.mid(bar + 1)};
}

QString rowKeyId(const QString& key) {
    return splitRowKey(key).head;
}
