#pragma once

#include <QString>
#include <QStringList>

// One issue of the magazine list. Ids keys the issue's song list.
struct MagazineEntry {
    QString id;          // element Id
    QString title;
    QString issue;       // element Qihao
    QString editor;      // element Author
    QString popularity;  // element View
    QString date;        // element Shijian
    QString ids;

    bool operator==(const MagazineEntry&) const = default;
};

QString magazineRowKey(const MagazineEntry& magazine);  // Id|Ids
// Title, Qihao, Author, View, Shijian, row key.
QStringList magazineRowTexts(const MagazineEntry& magazine);
