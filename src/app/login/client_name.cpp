#include "app/login/client_name.h"

#include "platform/gbk.h"

namespace {
constexpr qsizetype kMaxBytes = 200;
}

QString clientNameFrom(const QString& hostName) {
    if (gbk::fromUnicode(hostName).size() <= kMaxBytes) return hostName;
    QString kept;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < hostName.size(); ++i) {
        // A surrogate pair is one character and is converted as one.
        const qsizetype length = hostName[i].isHighSurrogate() && i + 1 < hostName.size() ? 2 : 1;
        const QString character = hostName.mid(i, length);
        bytes += gbk::fromUnicode(character).size();
        if (bytes > kMaxBytes) break;
        kept += character;
        i += length - 1;
    }
    return kept;
}
