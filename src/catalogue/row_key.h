#pragma once

#include <QString>

// A catalogue row key is two texts joined by "|": ID and Url for songs and stations,
// Id and Ids for magazines. The first "|" splits it; any later one belongs to the tail.
struct RowKeyParts {
    QString head;
    QString tail;
};

QString joinRowKey(const QString& head, const QString& tail);
// A key without "|" is all head.
RowKeyParts splitRowKey(const QString& key);

// The ID part of any catalogue row key (song or station ID, magazine Id): what the
// popup menus take as the selected item's ID.
QString rowKeyId(const QString& key);
