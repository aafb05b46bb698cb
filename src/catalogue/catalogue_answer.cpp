#include "catalogue/catalogue_answer.h"

namespace {

bool isBlankByte(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

QByteArray trimmedAnswer(const QByteArray& body) {
    qsizetype first = 0;
    qsizetype end = body.size();
    while (first < end && isBlankByte(body.at(first))) ++first;
    while (end > first && isBlankByte(body.at(end - 1))) --end;
    return body.mid(first, end - first);
}

AnswerKind classifyPageAnswer(const QByteArray& trimmed) {
    if (trimmed == "nill") return AnswerKind::NothingFound;
    if (trimmed == "eof") return AnswerKind::BeyondLast;
    return classifySingerAnswer(trimmed);
}

AnswerKind classifySingerAnswer(const QByteArray& trimmed) {
    return trimmed.isEmpty() ? AnswerKind::Empty : AnswerKind::Document;
}
