#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;

// Fills the skin menu with one checkable item per installed skin file and
// keeps the check mark on the active skin.
class SkinMenu : public QObject {
    Q_OBJECT
public:
    using Choose = std::function<void(const QString& caption)>;

    SkinMenu(QMenu* menu, const QString& skinsFolder, const QString& activeSkin, Choose choose);

    // The item a user picked: moves the check mark, then applies the skin.
    void pick(QAction* item);

private:
    QMenu* menu_;
    QString active_;
    Choose choose_;
};
