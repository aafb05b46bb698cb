#pragma once

#include <QList>
#include <QString>

// The skin files installed in the program folder's "skins" folder.
struct SkinEntry {
    QString caption;   // the file name up to its first "."
    QString fileName;  // as found in the folder
};

QString skinsFolder(const QString& programDir);
// The file a skin name stands for: skins folder + name + ".skn".
QString skinFilePath(const QString& programDir, const QString& skinName);

// Every "*.skn" file of the folder, hidden ones too, in file-name order.
// A missing folder gives none.
QList<SkinEntry> listSkins(const QString& folder);

QString skinCaption(const QString& fileName);
