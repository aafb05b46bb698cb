#include "app/login/ipv4.h"

#include <QKeyEvent>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isOctet(QStringView part) {
    if (part.isEmpty()) return false;
    int value = 0;
    for (QChar c : part) {
        if (!isAsciiDigit(c)) return false;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255) return false;
    }
    return true;
}

}  // namespace

bool IsValidIPv4(const QString& text) {
    const QStringView view(text);
    int parts = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= view.size(); ++i) {
        if (i < view.size() && view[i] != u'.') continue;
        if (++parts > 4 || !isOctet(view.mid(start, i - start))) return false;
        start = i + 1;
    }
    return parts == 4;
}

bool portCharAccepted(const QString& box, QChar typed) {
    if (typed == u'\b' || typed == u'\r') return true;
    return isAsciiDigit(typed) && box.size() < 5;
}

bool portKeyAccepted(const QString& box, const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    const QString typed = event.text();
    if (typed.isEmpty()) return true;
    for (QChar c : typed) {
        if (!portCharAccepted(box, c)) return false;
    }
    return true;
}
