#pragma once

#include <QByteArray>

// An address cut where the request line's target begins.
struct HttpUrlParts {
    QByteArray origin;  // "scheme://authority"
    QByteArray target;  // path and query, "/" when the address has none
};

// An address without "://" is taken as http. Nothing is decoded or normalised.
HttpUrlParts splitHttpUrl(QByteArray url);
