#include "app/skins/skin_catalog.h"

#include <QDir>

QString skinsFolder(const QString& programDir) {
    return programDir + QStringLiteral("/skins/");
}

QString skinFilePath(const QString& programDir, const QString& skinName) {
    return skinsFolder(programDir) + skinName + QStringLiteral(".skn");
}

QList<SkinEntry> listSkins(const QString& folder) {
    QList<SkinEntry> skins;
    const QDir dir(folder);
    const auto names = dir.entryList({QStringLiteral("*.skn")},
                                     QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) skins.append({skinCaption(name), name});
    return skins;
}

QString skinCaption(const QString& fileName) {
    const int dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}
