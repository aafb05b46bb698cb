#include "gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace gbk {
namespace {

// iconv handles are costly to open; each thread keeps its own pair.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in, calling onBad(in, left) at each input it cannot take;
    // onBad returns how many input bytes to skip and may append to out.
    template <typename OnBad>
    void run(const char* in, size_t inLeft, std::vector<char>& out, OnBad onBad) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            const int err = errno;
            out.insert(out.end(), buffer, dst);
            in = src;
            if (rc == static_cast<size_t>(-1) && err != E2BIG) {
                const size_t skip = onBad(out);
                const size_t step = skip < inLeft ? skip : inLeft;
                in += step;
                inLeft -= step;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.insert(out.end(), buffer, dst);
    }

private:
    iconv_t cd_;
};

}  // namespace

QByteArray fromUnicode(const QString& text) {
    thread_local Converter toGbk("CP936", "UTF-32LE");
    const QList<uint> ucs4 = text.toUcs4();
    std::vector<char> out;
    out.reserve(static_cast<size_t>(text.size()) * 2);
    toGbk.run(reinterpret_cast<const char*>(ucs4.constData()), ucs4.size() * sizeof(uint), out,
              [](std::vector<char>& o) {
                  o.push_back('?');
                  return size_t{4};
              });
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

QString toUnicode(const QByteArray& bytes) {
    thread_local Converter fromGbk("UTF-32LE", "CP936");
    std::vector<char> out;
    out.reserve(static_cast<size_t>(bytes.size()) * 4);
    fromGbk.run(bytes.constData(), static_cast<size_t>(bytes.size()), out,
                [](std::vector<char>& o) {
                    const char q[4] = {'?', 0, 0, 0};
                    o.insert(o.end(), q, q + 4);
                    return size_t{1};
                });
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(out.data()),
                             static_cast<qsizetype>(out.size() / 4));
}

}  // namespace gbk
