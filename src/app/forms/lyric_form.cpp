#include "app/forms/lyric_form.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("LyravoxMini歌词秀"));
    resize(320, 60);
}
