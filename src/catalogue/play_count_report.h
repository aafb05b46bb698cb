#pragma once

#include <QByteArray>
#include <QString>

// The view report sent when a song or station starts or a magazine opens.
namespace play_count_report {

// Item classes sent as fenlei.
inline const QString kSong = QStringLiteral("0");
inline const QString kStation = QStringLiteral("1");
inline const QString kMagazine = QStringLiteral("2");

// Local songs are never reported.
bool isReported(const QString& playId);

// server_url "up_view.php?id=" ID "&fenlei=" class, both inserted as raw GBK bytes.
QByteArray url(const QString& serverUrl, const QString& playId, const QString& playFenlei);

}  // namespace play_count_report
