#pragma once

#include <QStringList>
#include <QWidget>

// The search-and-guide page: search bar, letter, region and category links,
// and the four singer lists.
class SearchPage : public QWidget {
    Q_OBJECT
public:
    static const QString kSearchPlaceholder;

    explicit SearchPage(QWidget* parent = nullptr);

    static QStringList letterLinks();
    static QStringList regionLinks();
    static QStringList categoryLinks();  // both rows, first row first
};
