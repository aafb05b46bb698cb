#include "app/skins/skin_menu.h"

#include "app/skins/skin_catalog.h"

#include <QAction>
#include <QMenu>

SkinMenu::SkinMenu(QMenu* menu, const QString& skinsFolder, const QString& activeSkin,
                   Choose choose)
    : QObject(menu), menu_(menu), active_(activeSkin), choose_(std::move(choose)) {
    for (const SkinEntry& skin : listSkins(skinsFolder)) {
        QAction* item = menu_->addAction(skin.caption);
        item->setCheckable(true);
        item->setChecked(skin.caption == active_);
        connect(item, &QAction::triggered, this, [this, item] { pick(item); });
    }
}

void SkinMenu::pick(QAction* item) {
    // Only the first item captioned like the active skin loses its mark.
    for (QAction* other : menu_->actions()) {
        if (other->text() == active_) {
            other->setChecked(false);
            break;
        }
    }
    active_ = item->text();
    item->setChecked(true);
    choose_(active_);
}
