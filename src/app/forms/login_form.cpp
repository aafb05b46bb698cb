#include "app/forms/login_form.h"

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral(" Lyravox用户登陆"));
}
