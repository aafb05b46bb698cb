#pragma once

#include "platform/dialogs.h"

// The real modal questions: message boxes, input boxes and file dialogs.
class QtDialogs : public Dialogs {
public:
    Button message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                   Icon icon) override;
    bool input(QWidget* parent, const QString& caption, const QString& prompt,
               QString& value) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QStringList openFiles(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter) override;
    QString selectFolder(QWidget* parent, const QString& caption, const QString& dir) override;
};
