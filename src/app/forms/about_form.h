#pragma once

#include <QDialog>

// The about box.
class Taboutform : public QDialog {
    Q_OBJECT
public:
    explicit Taboutform(QWidget* parent = nullptr);
};
