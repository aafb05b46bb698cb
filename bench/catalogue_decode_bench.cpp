#include "catalogue/catalogue_page.h"
#include "platform/gbk.h"
#include "platform/xml.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

namespace {

// A full page of 200 songs as the service sends it: GBK with a GB2312 declaration.
QByteArray songPage() {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<lyravox>\n"
                                  "  <songs total=\"4000\" page=\"3\" pages=\"20\">\n");
    for (int i = 0; i < 200; ++i) {
        text += QStringLiteral("    <song><Title>夜幕星河之歌 第%1首</Title><Author>月影乐队</Author>"
                               "<Zhuanji>星空下的约定</Zhuanji><View>%2</View><Shijian>2006-05-%3</Shijian>"
                               "<ID>%4</ID><Url>wma/yueying/%4.wma</Url></song>\n")
                    .arg(i)
                    .arg(1000 + i * 7)
                    .arg(1 + i % 28)
                    .arg(100000 + i);
    }
    text += QStringLiteral("  </songs>\n</lyravox>\n");
    return gbk::fromUnicode(text);
}

void BM_DecodeSongPage(benchmark::State& state) {
    const QByteArray bytes = songPage();
    for (auto _ : state) {
        const auto page = decodeSongPage(bytes);
        if (page.records.size() != 200) state.SkipWithError("page not decoded");
        benchmark::DoNotOptimize(page);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeSongPage);

void BM_BareLibxml2Parse(benchmark::State& state) {
    const QByteArray bytes = songPage();
    for (auto _ : state) {
        xmlDocPtr doc = xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
        if (!doc) state.SkipWithError("not parsed");
        benchmark::DoNotOptimize(doc);
        xmlFreeDoc(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_BareLibxml2Parse);

// The program's own parse, without reading any record: the share of the decode
// that is parsing.
void BM_DocumentParse(benchmark::State& state) {
    const QByteArray bytes = songPage();
    for (auto _ : state) {
        const XmlDocument doc = XmlDocument::parse(bytes);
        if (doc.isNull()) state.SkipWithError("not parsed");
        benchmark::DoNotOptimize(doc.root());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DocumentParse);

}  // namespace
