#include "app/skins/skin_engine.h"

#include <QApplication>
#include <QFile>

bool StyleSheetSkinEngine::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    sheet_ = QString::fromUtf8(file.readAll());
    if (active_) qApp->setStyleSheet(sheet_);
    return true;
}

void StyleSheetSkinEngine::activate() {
    active_ = true;
    qApp->setStyleSheet(sheet_);
}
