#include "platform/gbk.h"
#include "platform/xml.h"

#include <gtest/gtest.h>

#include <libxml/parserInternals.h>

#include <QFile>
#include <QTemporaryDir>

#include <atomic>

namespace {

QByteArray gbkDocument(const char* declaredEncoding, const QString& title) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"") + declaredEncoding + "\"?>\n<r><s><Title>" +
           gbk::fromUnicode(title) + "</Title></s></r>";
}

TEST(XmlDocumentTest, ReadsTheEncodingItsDeclarationNames) {
    // "镕" lies outside GB2312 but inside GBK, as in many of the service's pages.
    const QString title = QStringLiteral("朱镕基 新歌");
    for (const char* encoding : {"GB2312", "gb2312", "GBK"}) {
        const XmlDocument doc = XmlDocument::parse(gbkDocument(encoding, title));
        ASSERT_FALSE(doc.isNull()) << encoding << ": " << doc.error().toStdString();
        EXPECT_EQ(doc.root().child(0).childText(QStringLiteral("Title")), title) << encoding;
    }
    const QByteArray utf8 = "<r><Title>" + title.toUtf8() + "</Title></r>";
    EXPECT_EQ(XmlDocument::parse(utf8).root().childText(QStringLiteral("Title")), title);
    const QByteArray declaredUtf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + utf8;
    EXPECT_EQ(XmlDocument::parse(declaredUtf8).root().childText(QStringLiteral("Title")), title);
}

TEST(XmlDocumentTest, GbkBytesWithoutDeclarationAreNotUtf8) {
    EXPECT_TRUE(XmlDocument::parse("<r>" + gbk::fromUnicode(QStringLiteral("歌曲")) + "</r>").isNull());
}

TEST(XmlDocumentTest, ElementsAndAttributesByPosition) {
    const XmlDocument doc = XmlDocument::parse(
        "<root>\n  <!-- note -->\n  <group total=\"95\" page=\"2\" pages=\"4\">\n"
        "    <song><ID>7</ID><Title></Title></song>\n    text\n    <song><ID>8</ID></song>\n"
        "  </group>\n  <other b=\"1\" a=\"2\"/>\n</root>");
    ASSERT_FALSE(doc.isNull());
    const XmlElement root = doc.root();
    EXPECT_EQ(root.name(), "root");
    ASSERT_EQ(root.childCount(), 2);
    EXPECT_EQ(root.children().size(), 2);
    const XmlElement group = root.child(0);
    EXPECT_EQ(group.name(), "group");
    EXPECT_EQ(group.attributeCount(), 3);
    EXPECT_EQ(QStringList({group.attribute(0), group.attribute(1), group.attribute(2)}),
              QStringList({"95", "2", "4"}));
    EXPECT_EQ(root.child(1).attribute(0), "1");  // document order, not alphabetical
    EXPECT_EQ(root.child(1).attribute(QStringLiteral("a")), "2");
    EXPECT_TRUE(root.child(2).isNull());
    EXPECT_TRUE(group.attribute(3).isEmpty());

    ASSERT_EQ(group.childCount(), 2);
    EXPECT_EQ(group.child(0).childText(QStringLiteral("ID")), "7");
    EXPECT_EQ(group.child(1).childText(QStringLiteral("ID")), "8");
    EXPECT_EQ(group.child(0).childText(QStringLiteral("Title")), "");
    EXPECT_EQ(group.child(1).childText(QStringLiteral("Url")), "");  // missing field
    EXPECT_TRUE(group.child(0).firstChild(QStringLiteral("id")).isNull());  // case matters
    EXPECT_TRUE(XmlElement().child(0).firstChild(QStringLiteral("x")).text().isEmpty());
}

TEST(XmlDocumentTest, TellsWhatAnElementHolds) {
    const XmlDocument doc = XmlDocument::parse(
        "<r><plain>a &amp; b &#x6B4C;</plain><nested>a<b/></nested><commented>a<!--c--></commented>"
        "<cdata><![CDATA[x<y]]></cdata></r>");
    ASSERT_FALSE(doc.isNull());
    struct Case {
        int index;
        bool element, comment, cdata;
    };
    for (const Case c : {Case{0, false, false, false}, Case{1, true, false, false},
                         Case{2, false, true, false}, Case{3, false, false, true}}) {
        const XmlElement field = doc.root().child(c.index);
        EXPECT_EQ(field.holdsElement(), c.element) << c.index;
        EXPECT_EQ(field.holdsComment(), c.comment) << c.index;
        EXPECT_EQ(field.holdsCdata(), c.cdata) << c.index;
    }
    EXPECT_EQ(doc.root().child(0).text(), QStringLiteral("a & b 歌"));
}

TEST(XmlDocumentTest, RefusesWhatIsNotAWellFormedDocument) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("nill"), QByteArray("eof"), QByteArray("<r><a></r>"),
          QByteArray("<r/><s/>"), QByteArray("  <?xml version=\"1.0\"?><r/>")}) {
        const XmlDocument doc = XmlDocument::parse(bytes);
        EXPECT_TRUE(doc.isNull()) << bytes.constData();
        EXPECT_FALSE(doc.error().isEmpty()) << bytes.constData();
        EXPECT_TRUE(doc.root().isNull());
    }
}

std::atomic<int> externalLoads{0};

xmlParserInputPtr countingLoader(const char*, const char*, xmlParserCtxtPtr) {
    ++externalLoads;
    return nullptr;
}

class XmlSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(&countingLoader);
        externalLoads = 0;
    }
    void TearDown() override { xmlSetExternalEntityLoader(previous); }

    xmlExternalEntityLoader previous = nullptr;
};

TEST_F(XmlSafetyTest, EntityBombIsRefused) {
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        bomb += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        const QByteArray previousName = level == 1 ? "lol" : "lol" + QByteArray::number(level - 1);
        for (int i = 0; i < 10; ++i) bomb += "&" + previousName + ";";
        bomb += "\">\n";
    }
    bomb += "]>\n<lolz><a>&lol9;</a></lolz>";
    const XmlDocument doc = XmlDocument::parse(bomb);
    EXPECT_TRUE(doc.isNull());
    EXPECT_FALSE(doc.error().isEmpty());
}

TEST_F(XmlSafetyTest, ExternalEntitiesAreNeverRead) {
    QTemporaryDir folder;
    const QString secret = folder.filePath(QStringLiteral("secret.txt"));
    QFile file(secret);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SECRET-MARKER");
    file.close();
    const QByteArray url = "file://" + secret.toUtf8();
    for (const QByteArray& bytes :
         {QByteArray("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>"),
          "<!DOCTYPE r [<!ENTITY x SYSTEM \"" + url + "\">]><r><t>&x;</t></r>",
          "<!DOCTYPE r SYSTEM \"" + url + "\"><r/>",
          "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url + "\"> %p;]><r/>"}) {
        const XmlDocument doc = XmlDocument::parse(bytes);
        EXPECT_TRUE(doc.isNull()) << bytes.constData();
    }
    EXPECT_EQ(externalLoads, 0);
}

}  // namespace
