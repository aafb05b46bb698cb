#include "platform/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Dialogs::Button, QMessageBox::StandardButton>, 7> kButtons{{
    {Dialogs::Ok, QMessageBox::Ok},
    {Dialogs::Cancel, QMessageBox::Cancel},
    {Dialogs::Yes, QMessageBox::Yes},
    {Dialogs::No, QMessageBox::No},
    {Dialogs::Retry, QMessageBox::Retry},
    {Dialogs::Abort, QMessageBox::Abort},
    {Dialogs::Ignore, QMessageBox::Ignore},
}};

QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Dialogs::Button QtDialogs::message(QWidget* parent, const QString& caption, const QString& text,
                                   Buttons buttons, Icon icon) {
    QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, parent);
    for (const auto& [ours, qt] : kButtons)
        if (buttons & ours) box.addButton(qt);
    if (buttons == NoButton) box.addButton(QMessageBox::Ok);
    const int pressed = box.exec();
    for (const auto& [ours, qt] : kButtons)
        if (pressed == qt) return ours;
    return (buttons & No) && !(buttons & Cancel) ? No : Cancel;
}

bool QtDialogs::input(QWidget* parent, const QString& caption, const QString& prompt,
                      QString& value) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &accepted);
    if (accepted) value = text;
    return accepted;
}

QString QtDialogs::openFile(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QStringList QtDialogs::openFiles(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString QtDialogs::saveFile(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString QtDialogs::selectFolder(QWidget* parent, const QString& caption, const QString& dir) {
    return QFileDialog::getExistingDirectory(parent, caption, dir, QFileDialog::ShowDirsOnly);
}
