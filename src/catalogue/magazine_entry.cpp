#include "catalogue/magazine_entry.h"

#include "catalogue/row_key.h"

QString magazineRowKey(const MagazineEntry& magazine) {
    return joinRowKey(magazine.id, magazine.ids);
}

QStringList magazineRowTexts(const MagazineEntry& magazine) {
    return {magazine.title, magazine.issue, magazine.editor, magazine.popularity, magazine.date,
            magazineRowKey(magazine)};
}
