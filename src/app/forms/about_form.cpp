#include "app/forms/about_form.h"

#include "app/main_window/pictures.h"

Taboutform::Taboutform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Taboutform"));
    setWindowTitle(QStringLiteral("关于Lyravox"));
    setWindowIcon(pictures::programIcon());
    setFixedSize(348, 158);
}
