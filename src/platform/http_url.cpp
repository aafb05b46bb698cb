#include "platform/http_url.h"

#include <algorithm>

HttpUrlParts splitHttpUrl(QByteArray url) {
    qsizetype schemeEnd = url.indexOf("://");
    if (schemeEnd < 0) {
        url.prepend("http://");
        schemeEnd = 4;
    }
    qsizetype targetStart = url.size();
    for (const char mark : {'/', '?'}) {
        const qsizetype at = url.indexOf(mark, schemeEnd + 3);
        if (at >= 0) targetStart = std::min(targetStart, at);
    }
    QByteArray target = url.mid(targetStart);
    if (!target.startsWith('/')) target.prepend('/');
    return {url.left(targetStart), target};
}
