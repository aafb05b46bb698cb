#include "catalogue/song_entry.h"

#include "catalogue/row_key.h"
#include "catalogue/url_escape.h"

bool isLocalSongId(const QString& id) {
    return id == kLocalSongId;
}

QString catalogueRowKey(const SongEntry& song) {
    return joinRowKey(song.id, song.url);
}

QStringList catalogueRowTexts(const SongEntry& song) {
    return {song.title, song.singer, song.album, song.popularity, song.date, catalogueRowKey(song)};
}

SongEntry songFromCatalogueRow(const QString& rowKey, const QString& title, const QString& singer,
                               const QString& album) {
    const RowKeyParts key = splitRowKey(rowKey);
    SongEntry song;
    song.id = key.head;
    song.url = key.tail;
    song.title = title;
    song.singer = singer;
    song.album = album;
    return song;
}

QString serviceLocation(const QString& url) {
    return kLocationMarker + url;
}

QString favouritesRowKey(const QString& id, const QString& location) {
    return id + location;
}

QString favouritesLine(const SongEntry& song) {
    return song.id + u'|' + song.title + u'|' + song.singer + u'|' + song.album + u'|' +
           serviceLocation(song.url);
}

QString sourceText(const QString& id) {
    return isLocalSongId(id) ? kLocalSourceText : kServiceSourceText;
}

QByteArray servicePlayUrl(const QString& fileUrl, const QString& url) {
    return urlEscape(fileUrl + url);
}

QString localPlayUrl(const QString& path) {
    return path;
}

QString nowPlayingText(const SongEntry& song) {
    return song.singer + u'-' + song.title;
}

QString popupName(const SongEntry& song) {
    return song.title + u' ' + song.singer;
}

QString downloadFileName(const SongEntry& song) {
    QString name = song.singer + u'-' + song.title + QStringLiteral(".wma");
    name.replace(u'/', u'_');
    name.replace(u'\\', u'_');
    return name;
}
