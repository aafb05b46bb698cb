#pragma once

#include "catalogue/magazine_entry.h"
#include "catalogue/singer_entry.h"
#include "catalogue/song_entry.h"
#include "catalogue/station_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The group element's first three attributes, by position, as received.
struct PageInfo {
    QString total;
    QString page;
    QString pages;

    bool operator==(const PageInfo&) const = default;
};

// A decoded catalogue document. Records of all groups follow one another in
// document order. Decoding stops at the first malformed piece (a field holding an
// element, a comment or CDATA; a paged group with fewer than three attributes):
// what was read before stays, and the record being read is the last one, filled
// with its first lastRecordFields fields in row order.
template <typename Record>
struct DecodedPage {
    enum class Outcome { Decoded, NotWellFormed, Malformed };

    Outcome outcome = Outcome::Decoded;
    QList<Record> records;
    // Fields of records.last() that were read; every field unless malformed.
    int lastRecordFields = 0;
    // Of the last group that holds records; none when no record was read.
    std::optional<PageInfo> page;

    bool wellFormed() const { return outcome != Outcome::NotWellFormed; }
    bool malformed() const { return outcome == Outcome::Malformed; }
};

// Each decoder takes the trimmed answer, parsed in its declared encoding (UTF-8
// when none). Texts are those GBK can hold: any other character reads as "?".
// Field order (what lastRecordFields counts):
//   songs     Title Author Zhuanji View Shijian ID Url
//   stations  Title Intro View ID Url
//   magazines Title Qihao Author View Shijian Id Ids
//   singers   Sex Singer (their groups carry no page information)
DecodedPage<SongEntry> decodeSongPage(const QByteArray& trimmed);
DecodedPage<StationEntry> decodeStationPage(const QByteArray& trimmed);
DecodedPage<MagazineEntry> decodeMagazinePage(const QByteArray& trimmed);
DecodedPage<SingerEntry> decodeSingerList(const QByteArray& trimmed);
