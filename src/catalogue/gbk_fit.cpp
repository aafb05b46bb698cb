#include "catalogue/gbk_fit.h"

#include "platform/gbk.h"

#include <atomic>

namespace {

constexpr char16_t kUnknown = 0;
// The character does not come back as one character; take the slow road.
constexpr char16_t kIrregular = 0xFFFF;

// GBK is stateless and every character maps to a whole byte sequence, so a text's
// trip is the trip of each character: learn each one once.
std::atomic<char16_t> fitted[0x10000];

char16_t fitOf(char16_t c) {
    char16_t known = fitted[c].load(std::memory_order_relaxed);
    if (known != kUnknown) return known;
    const QString back = gbk::toUnicode(gbk::fromUnicode(QString(QChar(c))));
    known = back.size() == 1 && back.at(0).unicode() != kUnknown ? back.at(0).unicode() : kIrregular;
    fitted[c].store(known, std::memory_order_relaxed);
    return known;
}

}  // namespace

QString gbkFit(const QString& text) {
    // Most texts come back unchanged: only copy from the first character that does not.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) continue;
        if (QChar::isSurrogate(c)) return gbk::toUnicode(gbk::fromUnicode(text));
        const char16_t fit = fitOf(c);
        if (fit == c) continue;
        if (fit == kIrregular) return gbk::toUnicode(gbk::fromUnicode(text));
        QString out = text;
        QChar* data = out.data();
        data[i] = QChar(fit);
        for (++i; i < out.size(); ++i) {
            const char16_t rest = data[i].unicode();
            if (rest < 0x80) continue;
            const char16_t restFit = QChar::isSurrogate(rest) ? kIrregular : fitOf(rest);
            if (restFit == kIrregular) return gbk::toUnicode(gbk::fromUnicode(text));
            data[i] = QChar(restFit);
        }
        return out;
    }
    return text;
}
