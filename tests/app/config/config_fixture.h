#pragma once

#include "platform/gbk.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A Config.xml in a fresh folder, written in GBK from readable text.
class ConfigFixture {
public:
    static constexpr const char* declaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";

    // Ten children laid out with line breaks and indentation.
    static QString tenChildren() {
        return QString::fromUtf8(
            "<config>\n"
            "  <skin Skin=\"月神传说\" N=\"30\" Version=\"3.0.0\"/>\n"
            "  <login Name=\"\" Pwd=\"\" Rec=\"0\"/>\n"
            "  <proxy ProxyEnable=\"0\" ProxyIp=\"\" ProxyPort=\"80\"/>\n"
            "\t<lyric Style=\"\" Normal=\"$00bcb6ab\" Current=\"$00c47f46\"/>\n"
            "  <favourites Index=\"默认收藏夹\"/>\n"
            "\n"
            "  <download Mydownload=\"\"/>\n"
            "  <play Loop=\"8\"/>\n"
            "  <skincolours 月神传说=\"$00bcb6ab,$00c47f46\"/>\n"
            "  <bosskey Boss_key=\"Ctrl+M\"/>\n"
            "  <lyricstyles Lrcstyle=\"甲,乙\" 甲=\"clRed,clBlue\"/>\n"
            "</config>\n");
    }

    static QString children(int count) {
        QString body = "<config>\n";
        for (int i = 0; i < count; ++i) body += QString("  <c%1 V=\"%1\"/>\n").arg(i);
        return body + "</config>\n";
    }

    ConfigFixture() : path_(dir_.path() + "/Config.xml") {}

    const QString& path() const { return path_; }
    QString folder() const { return dir_.path(); }

    void write(const QString& body) const { writeBytes(declaration + gbk::fromUnicode(body)); }

    void writeBytes(const QByteArray& bytes) const {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    }

    QByteArray bytes() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString path_;
};
