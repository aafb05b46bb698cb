#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One radio station of the station list. Its Url is the stream's full address.
struct StationEntry {
    QString id;
    QString title;       // station name
    QString intro;
    QString popularity;  // element View
    QString url;

    bool operator==(const StationEntry&) const = default;
};

QString stationRowKey(const StationEntry& station);  // ID|Url
// Title, Intro, View, row key.
QStringList stationRowTexts(const StationEntry& station);
QByteArray stationPlayUrl(const QString& url);
QString stationNowPlayingText(const QString& stationName);  // 网络电台-name
