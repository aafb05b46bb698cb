#pragma once

#include <QString>

// The computer's name as the login sends it in net_client: at most 200 bytes
// in GBK, cut before the first character that would not fit whole.
QString clientNameFrom(const QString& hostName);
