#pragma once

#include <QByteArray>

// What a catalogue answer body says, before any XML is read.
enum class AnswerKind {
    Empty,       // nothing left after trimming: treated like a failed request
    NothingFound,  // exactly "nill"
    BeyondLast,  // exactly "eof": the page asked for lies past the last one
    Document,    // anything else: XML, well-formed or not
};

// The body without its leading and trailing bytes at or below 0x20.
QByteArray trimmedAnswer(const QByteArray& body);

// Song, station and magazine pages know the two markers; the comparison is exact.
AnswerKind classifyPageAnswer(const QByteArray& trimmed);
// Singer lists have no markers: a body is always a document.
AnswerKind classifySingerAnswer(const QByteArray& trimmed);
