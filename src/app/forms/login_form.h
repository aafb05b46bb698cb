#pragma once

#include <QDialog>

// The login and settings dialog. Created at start with the other windows;
// nothing opens it yet, so the main window is usable at once.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};
