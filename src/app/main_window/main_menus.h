#pragma once

#include <QList>
#include <QString>

class QMenu;
class QWidget;

// The menus of the main window: item names and captions, "-" for a separator.
namespace main_menus {

struct Entry {
    QString name;
    QString caption;
};

QList<Entry> fileEntries();      // "文件"
QList<Entry> helpEntries();      // "帮助"
QList<Entry> ringtoneEntries();  // "精彩图铃"
QList<Entry> servicesEntries();  // zonghe_pm
QList<Entry> trayEntries();      // system_pm

// Each entry becomes a QAction named as the entry; separators too.
QMenu* build(const QString& objectName, const QString& title, const QList<Entry>& entries,
             QWidget* parent);

}  // namespace main_menus
