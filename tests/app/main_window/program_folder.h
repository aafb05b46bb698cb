#pragma once

#include "platform/gbk.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A throw-away program folder with a Config.xml and skin files.
class ProgramFolder {
public:
    ProgramFolder() { QDir(path()).mkpath(QStringLiteral("skins")); }

    QString path() const { return dir_.path(); }
    QString configPath() const { return path() + QStringLiteral("/Config.xml"); }

    // Children given as the text between the root's tags.
    void writeConfig(const QString& children) {
        writeBytes(QStringLiteral("Config.xml"),
                   "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<config>\n" +
                       gbk::fromUnicode(children) + "\n</config>\n");
    }

    // Ten children; the skin and the scheme list are given.
    void writeStandardConfig(const QString& skin, const QString& schemes = QStringLiteral("蓝,红")) {
        writeConfig(QStringLiteral(
                        "  <a Skin=\"%1\" N=\"30\"/>\n  <b Name=\"\"/>\n  <c ProxyEnable=\"0\"/>\n"
                        "  <d Style=\"蓝\" Normal=\"clRed\" Current=\"clLime\"/>\n"
                        "  <e Index=\"我的最爱\"/>\n  <f Mydownload=\"\"/>\n  <g Loop=\"8\"/>\n"
                        "  <h 月神传说=\"$00bcb6ab,$00c47f46\" 清风竹影=\"$00102030,clYellow\" 坏的=\"nocolour\"/>\n"
                        "  <i Boss_key=\"\"/>\n  <j Lrcstyle=\"%2\"/>")
                        .arg(skin, schemes));
    }

    void writeSkin(const QString& fileName, const QString& sheet) {
        writeBytes(QStringLiteral("skins/") + fileName, sheet.toUtf8());
    }

    QByteArray readBytes(const QString& relative) const {
        QFile file(path() + QLatin1Char('/') + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeBytes(const QString& relative, const QByteArray& bytes) {
        QFile file(path() + QLatin1Char('/') + relative);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    }

private:
    QTemporaryDir dir_;
};
