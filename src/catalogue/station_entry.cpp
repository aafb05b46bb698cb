#include "catalogue/station_entry.h"

#include "catalogue/row_key.h"
#include "catalogue/url_escape.h"

QString stationRowKey(const StationEntry& station) {
    return joinRowKey(station.id, station.url);
}

QStringList stationRowTexts(const StationEntry& station) {
    return {station.title, station.intro, station.popularity, stationRowKey(station)};
}

QByteArray stationPlayUrl(const QString& url) {
    return urlEscape(url);
}

QString stationNowPlayingText(const QString& stationName) {
    return QStringLiteral("网络电台-") + stationName;
}
