#pragma once

#include <QString>

// The text as it reads after a trip through GBK: every character GBK cannot hold
// becomes "?". Equal to gbk::toUnicode(gbk::fromUnicode(text)), without the cost
// for the plain ASCII texts that make up most of a catalogue page.
QString gbkFit(const QString& text);
