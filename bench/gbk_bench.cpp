#include "platform/gbk.h"

#include <benchmark/benchmark.h>

namespace {

QString sampleText() {
    QString text;
    for (int i = 0; i < 200; ++i) text += QStringLiteral("月神传说 - 夜幕星河 Track %1\n").arg(i);
    return text;
}

void BM_ToGbk(benchmark::State& state) {
    const QString text = sampleText();
    for (auto _ : state) benchmark::DoNotOptimize(gbk::fromUnicode(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_ToGbk);

void BM_FromGbk(benchmark::State& state) {
    const QByteArray bytes = gbk::fromUnicode(sampleText());
    for (auto _ : state) benchmark::DoNotOptimize(gbk::toUnicode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_FromGbk);

}  // namespace
