#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal question the program asks goes through this interface, so tests
// can answer it without a dialog blocking them.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum Button {
        NoButton = 0,
        Ok = 1 << 0,
        Cancel = 1 << 1,
        Yes = 1 << 2,
        No = 1 << 3,
        Retry = 1 << 4,
        Abort = 1 << 5,
        Ignore = 1 << 6,
    };
    using Buttons = int;

    virtual ~Dialogs() = default;

    // Modal message box; returns the button pressed (Cancel or No when closed).
    virtual Button message(QWidget* parent, const QString& caption, const QString& text,
                           Buttons buttons, Icon icon) = 0;
    // Input box; returns false when cancelled.
    virtual bool input(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& value) = 0;
    // Empty result when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter) = 0;
    virtual QStringList openFiles(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter) = 0;
    virtual QString selectFolder(QWidget* parent, const QString& caption, const QString& dir) = 0;
};
