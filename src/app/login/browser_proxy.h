#pragma once

#include "platform/http_client.h"

#include <QString>

#include <optional>

// The browser's proxy text: the address before the first ":" and the decimal
// port after it up to the end. nullopt without a ":" or when the rest is not a
// number (for instance a per-protocol list "http=a:1;ftp=b:2").
std::optional<HttpProxy> parseBrowserProxy(const QString& text);

// The http_proxy variable, else HTTP_PROXY, with a leading scheme ("http://")
// and a trailing "/" removed; empty when neither is set.
QString browserProxyText();
