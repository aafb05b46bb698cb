#pragma once

#include <QByteArray>
#include <QString>

// The URL of each catalogue request: server_url, then the page and its query in a
// fixed order. Values marked escaped go through urlEscape; all others are inserted
// as their GBK bytes, so an "&" typed into a raw value splits the query. The HTTP
// client sends the bytes as they are.
//
// page is the list's page number in decimal; pageSize is the text of the page-size
// choice, sent as it reads.
namespace catalogue_request {

// Search box text with leading and trailing characters at or below the blank removed.
QString searchKeyword(const QString& boxText);

// Search-by positions of the search box: title 0, singer 1, album 2.
QByteArray keywordSearch(const QString& serverUrl, const QString& boxText, int searchBy, int page,
                         const QString& pageSize);
QByteArray magazineContents(const QString& serverUrl, const QString& ids);
QByteArray singerSongs(const QString& serverUrl, const QString& singer, int page, const QString& pageSize);
QByteArray albumSongs(const QString& serverUrl, const QString& album, int page, const QString& pageSize);
QByteArray categorySongs(const QString& serverUrl, const QString& category, int page,
                         const QString& pageSize);
QByteArray newSongs(const QString& serverUrl, int page, const QString& pageSize);
QByteArray recommendations(const QString& serverUrl, int page, const QString& pageSize);
QByteArray rankings(const QString& serverUrl, int page, const QString& pageSize);
QByteArray radioStations(const QString& serverUrl, int page, const QString& pageSize);
QByteArray magazineList(const QString& serverUrl, int page, const QString& pageSize);
QByteArray singersByInitial(const QString& serverUrl, const QString& letter);
QByteArray singersByRegion(const QString& serverUrl, const QString& region);

}  // namespace catalogue_request
