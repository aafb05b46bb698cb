#pragma once

#include <QString>

// One singer of the singer guide.
struct SingerEntry {
    QString sex;   // the class text
    QString name;  // element Singer

    bool operator==(const SingerEntry&) const = default;
};

// Which of the four guide lists a singer goes to.
enum class SingerClass { Male, Female, Band, Unclassified };

// Exact comparison with "男歌手", "女歌手", "乐队组合"; anything else is unclassified.
SingerClass singerClass(const QString& sex);
