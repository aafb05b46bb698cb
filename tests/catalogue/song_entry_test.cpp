#include "catalogue/magazine_entry.h"
#include "catalogue/row_key.h"
#include "catalogue/singer_entry.h"
#include "catalogue/song_entry.h"
#include "catalogue/station_entry.h"

#include <gtest/gtest.h>

namespace {

SongEntry sampleSong() {
    SongEntry song;
    song.id = QStringLiteral("1024");
    song.title = QStringLiteral("夜幕星河");
    song.singer = QStringLiteral("月影");
    song.album = QStringLiteral("星空");
    song.popularity = QStringLiteral("88");
    song.date = QStringLiteral("2006-01-02");
    song.url = QStringLiteral("wma/a b.wma");
    return song;
}

TEST(SongEntry, CatalogueRowCarriesFieldsThenRowKey) {
    EXPECT_EQ(catalogueRowTexts(sampleSong()),
              QStringList({"夜幕星河", "月影", "星空", "88", "2006-01-02", "1024|wma/a b.wma"}));
}

TEST(SongEntry, MissingIdGivesKeyAndLineStartingWithBar) {
    SongEntry song = sampleSong();
    song.id.clear();
    EXPECT_EQ(catalogueRowKey(song), QStringLiteral("|wma/a b.wma"));
    EXPECT_EQ(favouritesLine(song), QStringLiteral("|夜幕星河|月影|星空|vst://remotehost/wma/a b.wma"));
}

TEST(SongEntry, FavouritesLineAndRowKey) {
    EXPECT_EQ(favouritesLine(sampleSong()), QStringLiteral("1024|夜幕星河|月影|星空|vst://remotehost/wma/a b.wma"));
    EXPECT_EQ(favouritesRowKey("1024", serviceLocation("x.wma")), QStringLiteral("1024vst://remotehost/x.wma"));
    EXPECT_EQ(favouritesRowKey(kLocalSongId, "/music/a.mp3"), QStringLiteral("0000000/music/a.mp3"));
    EXPECT_EQ(kLocationMarker.size(), 17);
}

TEST(SongEntry, SourceTextFollowsLocalId) {
    EXPECT_EQ(sourceText("0000000"), QStringLiteral("本地硬盘"));
    EXPECT_EQ(sourceText("00000000"), QStringLiteral("Lyravox"));
    EXPECT_EQ(sourceText(""), QStringLiteral("Lyravox"));
}

TEST(SongEntry, SplitRowKeyAtFirstBar) {
    struct Case {
        QString key, head, tail;
    };
    for (const Case& c : {Case{"12|a|b.wma", "12", "a|b.wma"}, Case{"|u", "", "u"}, Case{"12|", "12", ""},
                          Case{"12", "12", ""}}) {
        const RowKeyParts parts = splitRowKey(c.key);
        EXPECT_EQ(parts.head, c.head) << c.key.toStdString();
        EXPECT_EQ(parts.tail, c.tail) << c.key.toStdString();
    }
    const SongEntry back = songFromCatalogueRow("7|x/y.wma", "T", "S", "A");
    EXPECT_EQ(back.id, QStringLiteral("7"));
    EXPECT_EQ(back.url, QStringLiteral("x/y.wma"));
}

TEST(SongEntry, PlayUrlsEscapeServiceAddressesOnly) {
    EXPECT_EQ(servicePlayUrl("http://127.0.0.1:8930/files/", "wma/月 1.wma"),
              "http://127.0.0.1:8930/files/wma/%D4%C2%201.wma");
    EXPECT_EQ(localPlayUrl("/home/u/a b.mp3"), QStringLiteral("/home/u/a b.mp3"));
    EXPECT_EQ(stationPlayUrl("http://h/radio/月.asx"), "http://h/radio/%D4%C2.asx");
}

TEST(SongEntry, DerivedTexts) {
    const SongEntry song = sampleSong();
    EXPECT_EQ(nowPlayingText(song), QStringLiteral("月影-夜幕星河"));
    EXPECT_EQ(popupName(song), QStringLiteral("夜幕星河 月影"));
    EXPECT_EQ(downloadFileName(song), QStringLiteral("月影-夜幕星河.wma"));
    EXPECT_EQ(stationNowPlayingText("星河电台"), QStringLiteral("网络电台-星河电台"));
}

TEST(SongEntry, DownloadFileNameStaysInItsFolder) {
    SongEntry song = sampleSong();
    song.singer = QStringLiteral("../..");
    song.title = QStringLiteral("a\\b/c");
    EXPECT_EQ(downloadFileName(song), QStringLiteral(".._..-a_b_c.wma"));
}

TEST(CatalogueRows, StationAndMagazineRowsAndPopupIds) {
    const StationEntry station{"5", "星河电台", "夜间", "12", "http://h/r.asx"};
    EXPECT_EQ(stationRowTexts(station), QStringList({"星河电台", "夜间", "12", "5|http://h/r.asx"}));
    const MagazineEntry magazine{"M9", "乐刊", "第3期", "编辑", "40", "2006-05-01", "1,2,3"};
    EXPECT_EQ(magazineRowTexts(magazine), QStringList({"乐刊", "第3期", "编辑", "40", "2006-05-01", "M9|1,2,3"}));
    EXPECT_EQ(rowKeyId(stationRowKey(station)), QStringLiteral("5"));
    EXPECT_EQ(rowKeyId(magazineRowKey(magazine)), QStringLiteral("M9"));
    EXPECT_EQ(splitRowKey(magazineRowKey(magazine)).tail, QStringLiteral("1,2,3"));
}

TEST(SingerEntry, ClassByExactSexText) {
    EXPECT_EQ(singerClass("男歌手"), SingerClass::Male);
    EXPECT_EQ(singerClass("女歌手"), SingerClass::Female);
    EXPECT_EQ(singerClass("乐队组合"), SingerClass::Band);
    EXPECT_EQ(singerClass(""), SingerClass::Unclassified);
    EXPECT_EQ(singerClass(" 男歌手"), SingerClass::Unclassified);
}

}  // namespace
