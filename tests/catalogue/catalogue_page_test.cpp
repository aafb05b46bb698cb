#include "catalogue/catalogue_page.h"

#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace {

QByteArray utf8Doc(const QString& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body.toUtf8();
}

QByteArray gbkDoc(const QString& body) {
    return "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + gbk::fromUnicode(body);
}

const char* kSong =
    "<song><Title>夜幕星河</Title><Author>月影</Author><Zhuanji>星空</Zhuanji><View>88</View>"
    "<Shijian>2006-01-02</Shijian><ID>1024</ID><Url>wma/a.wma</Url></song>";

SongEntry expectedSong() {
    return SongEntry{"1024", "夜幕星河", "月影", "星空", "88", "2006-01-02", "wma/a.wma"};
}

TEST(SongPage, GbkDeclarationDecodesRecordsAndPageInfo) {
    const auto page = decodeSongPage(gbkDoc(QStringLiteral("<r><g total=\"300\" page=\"2\" pages=\"10\">") + kSong +
                                            kSong + "</g></r>"));
    EXPECT_EQ(page.outcome, DecodedPage<SongEntry>::Outcome::Decoded);
    ASSERT_EQ(page.records.size(), 2);
    EXPECT_EQ(page.records[0], expectedSong());
    EXPECT_EQ(page.lastRecordFields, 7);
    EXPECT_EQ(page.page, (PageInfo{"300", "2", "10"}));
}

TEST(SongPage, NoDeclarationMeansUtf8AndBlankTextIsNotSignificant) {
    const QByteArray body = QStringLiteral("<r>\n <g a=\"1\" b=\"1\" c=\"1\">\n  %1\n </g>\n</r>").arg(kSong).toUtf8();
    const auto page = decodeSongPage(body);
    ASSERT_EQ(page.records.size(), 1);
    EXPECT_EQ(page.records[0], expectedSong());
}

TEST(SongPage, AttributesReadByPositionNotName) {
    const auto page = decodeSongPage(utf8Doc(QStringLiteral("<r><g pages=\"10\" x=\"300\" total=\"2\">") + kSong + "</g></r>"));
    EXPECT_EQ(page.page, (PageInfo{"10", "300", "2"}));
}

TEST(SongPage, MissingAndEmptyFieldsReadEmpty) {
    const auto page = decodeSongPage(
        utf8Doc("<r><g a=\"1\" b=\"1\" c=\"1\"><s><Title/><Url>u.wma</Url><title>x</title></s></g></r>"));
    ASSERT_EQ(page.records.size(), 1);
    EXPECT_FALSE(page.malformed());
    EXPECT_EQ(page.records[0], (SongEntry{"", "", "", "", "", "", "u.wma"}));
    EXPECT_EQ(catalogueRowKey(page.records[0]), QStringLiteral("|u.wma"));
}

TEST(SongPage, MalformedFieldKeepsEarlierRecordsAndPartOfCurrent) {
    struct Case {
        const char* name;
        const char* badAlbum;
    };
    for (const Case& c : {Case{"element", "<b>x</b>"}, Case{"comment", "<!-- x -->"},
                          Case{"cdata", "<![CDATA[x]]>"}}) {
        const QString bad = QStringLiteral("<s><Title>T</Title><Author>S</Author><Zhuanji>%1</Zhuanji><ID>9</ID></s>")
                                .arg(QString::fromLatin1(c.badAlbum));
        const auto page = decodeSongPage(
            utf8Doc(QStringLiteral("<r><g a=\"5\" b=\"1\" c=\"1\">") + kSong + bad + kSong + "</g></r>"));
        EXPECT_TRUE(page.malformed()) << c.name;
        ASSERT_EQ(page.records.size(), 2) << c.name;
        EXPECT_EQ(page.records[0], expectedSong()) << c.name;
        EXPECT_EQ(page.records[1], (SongEntry{"", "T", "S", "", "", "", ""})) << c.name;
        EXPECT_EQ(page.lastRecordFields, 2) << c.name;
        EXPECT_EQ(page.page, (PageInfo{"5", "1", "1"})) << c.name;
    }
}

TEST(SongPage, GroupWithFewerThanThreeAttributesIsMalformed) {
    const auto page = decodeSongPage(utf8Doc(QStringLiteral("<r><g a=\"2\" b=\"1\" c=\"1\">") + kSong +
                                             "</g><g a=\"2\" b=\"1\">" + kSong + "</g></r>"));
    EXPECT_TRUE(page.malformed());
    EXPECT_EQ(page.records.size(), 1);
    EXPECT_EQ(page.page, (PageInfo{"2", "1", "1"}));
}

TEST(SongPage, GroupsFollowOneAnotherAndLastGroupWithRecordsGivesPage) {
    const auto page = decodeSongPage(utf8Doc(QStringLiteral("<r><g a=\"1\" b=\"1\" c=\"1\">") + kSong +
                                             "</g><g a=\"2\" b=\"2\" c=\"2\">" + kSong +
                                             "</g><g a=\"3\" b=\"3\" c=\"3\"/></r>"));
    EXPECT_FALSE(page.malformed());
    EXPECT_EQ(page.records.size(), 2);
    EXPECT_EQ(page.page, (PageInfo{"2", "2", "2"}));
}

TEST(SongPage, WellFormedWithoutRecordsHasNoPage) {
    const auto page = decodeSongPage(utf8Doc("<r><g a=\"0\" b=\"0\" c=\"0\"/></r>"));
    EXPECT_TRUE(page.wellFormed());
    EXPECT_TRUE(page.records.isEmpty());
    EXPECT_FALSE(page.page.has_value());
}

TEST(SongPage, RefusedDocumentsAreNotWellFormed) {
    for (const QByteArray& body :
         {QByteArray("<r><g>"), QByteArray("nill."), QByteArray("NILL"),
          QByteArray("<!DOCTYPE r [<!ENTITY e \"x\">]><r><g a=\"1\" b=\"1\" c=\"1\"><s><Title>&e;</Title></s></g></r>")}) {
        const auto page = decodeSongPage(body);
        EXPECT_FALSE(page.wellFormed()) << body.toStdString();
        EXPECT_TRUE(page.records.isEmpty());
    }
}

TEST(SongPage, CharactersGbkCannotHoldBecomeQuestionMarks) {
    const auto page = decodeSongPage(
        utf8Doc("<r><g a=\"1\" b=\"1\" c=\"1\"><s><Title>月&#x1F600;&#x0E01;&amp;</Title></s></g></r>"));
    ASSERT_EQ(page.records.size(), 1);
    EXPECT_EQ(page.records[0].title, QStringLiteral("月??&"));
}

TEST(StationPage, FieldsByName) {
    const auto page = decodeStationPage(gbkDoc(
        "<r><g a=\"1\" b=\"1\" c=\"1\"><st><Url>http://h/r.asx</Url><ID>5</ID><View>12</View>"
        "<Intro>夜间</Intro><Title>星河电台</Title></st></g></r>"));
    ASSERT_EQ(page.records.size(), 1);
    EXPECT_EQ(page.records[0], (StationEntry{"5", "星河电台", "夜间", "12", "http://h/r.asx"}));
}

TEST(MagazinePage, FieldsByNameCaseSensitive) {
    const auto page = decodeMagazinePage(utf8Doc(
        "<r><g a=\"1\" b=\"1\" c=\"1\"><m><Title>乐刊</Title><Qihao>第3期</Qihao><Author>编辑</Author>"
        "<View>40</View><Shijian>2006-05-01</Shijian><Id>M9</Id><ID>wrong</ID><Ids>1,2</Ids></m></g></r>"));
    ASSERT_EQ(page.records.size(), 1);
    EXPECT_EQ(page.records[0], (MagazineEntry{"M9", "乐刊", "第3期", "编辑", "40", "2006-05-01", "1,2"}));
}

TEST(SingerList, GroupsNeedNoAttributes) {
    const auto page = decodeSingerList(gbkDoc(
        "<r><g><x><Sex>女歌手</Sex><Singer>月影</Singer></x><x><Singer>无名</Singer></x></g></r>"));
    EXPECT_FALSE(page.malformed());
    ASSERT_EQ(page.records.size(), 2);
    EXPECT_EQ(page.records[0], (SingerEntry{"女歌手", "月影"}));
    EXPECT_EQ(page.records[1], (SingerEntry{"", "无名"}));
    EXPECT_EQ(singerClass(page.records[1].sex), SingerClass::Unclassified);
}

}  // namespace
