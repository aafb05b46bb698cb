#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One song as every list, the player, favourites and downloads pass it around.
// Fields are kept exactly as received: never trimmed, shortened or checked.
struct SongEntry {
    QString id;
    QString title;
    QString singer;      // element Author
    QString album;       // element Zhuanji
    QString popularity;  // element View
    QString date;        // element Shijian
    QString url;         // relative to file_url; a local song keeps its full path elsewhere

    bool operator==(const SongEntry&) const = default;
};

// The ID that marks a song from the local disk.
inline const QString kLocalSongId = QStringLiteral("0000000");
// Head of a service song's Location in favourites; a marker, never connected to.
inline const QString kLocationMarker = QStringLiteral("vst://remotehost/");
inline const QString kServiceSourceText = QStringLiteral("Lyravox");
inline const QString kLocalSourceText = QStringLiteral("本地硬盘");

bool isLocalSongId(const QString& id);

// ID "|" Url: the hidden key of a catalogue song row.
QString catalogueRowKey(const SongEntry& song);
// The sub-items of a catalogue song row, the row key last.
QStringList catalogueRowTexts(const SongEntry& song);
// A catalogue song row taken back out of its row key and shown texts.
SongEntry songFromCatalogueRow(const QString& rowKey, const QString& title, const QString& singer,
                               const QString& album);

// Location of a service song in a favourites list.
QString serviceLocation(const QString& url);
// ID followed directly by the Location.
QString favouritesRowKey(const QString& id, const QString& location);
// ID|Title|Singer|Album|vst://remotehost/Url
QString favouritesLine(const SongEntry& song);
// "本地硬盘" for the local ID, "Lyravox" for any other.
QString sourceText(const QString& id);

// The escaped address the player is given for a service song.
QByteArray servicePlayUrl(const QString& fileUrl, const QString& url);
// A local song plays from its path as it is.
QString localPlayUrl(const QString& path);

QString nowPlayingText(const SongEntry& song);  // Singer-Title
QString popupName(const SongEntry& song);       // Title Singer
// Singer-Title.wma; a "/" or "\" from the server becomes "_" so that the name
// cannot leave the download folder.
QString downloadFileName(const SongEntry& song);
