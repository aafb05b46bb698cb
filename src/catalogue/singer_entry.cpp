#include "catalogue/singer_entry.h"

SingerClass singerClass(const QString& sex) {
    if (sex == QStringLiteral("男歌手")) return SingerClass::Male;
    if (sex == QStringLiteral("女歌手")) return SingerClass::Female;
    if (sex == QStringLiteral("乐队组合")) return SingerClass::Band;
    return SingerClass::Unclassified;
}
