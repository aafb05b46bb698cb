#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <mutex>
#include <optional>

// Dialogs for tests: answers come from a script and every question is recorded, so a
// test can check the exact caption, text, buttons and icon. Never blocks; a question
// without a scripted answer is recorded and answered as if the user cancelled it
// (message: Cancel, input: false, file dialogs: empty).
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, OpenFile, OpenFiles, SaveFile, SelectFolder };

    struct Question {
        Kind kind = Kind::Message;
        QString caption;
        QString text;  // message text or input prompt
        Buttons buttons = NoButton;
        Icon icon = Icon::None;
        QString value;  // the input box's initial text
        QString dir;
        QString filter;
    };

    // Answers are consumed in order; each kind of question has its own queue.
    void answerMessage(Button pressed);
    void answerInput(const QString& text);  // the user types text and presses OK
    void cancelInput();
    void answerPath(const QString& path);  // openFile, saveFile, selectFolder
    void answerPaths(const QStringList& paths);  // openFiles

    QList<Question> asked() const;
    // The latest question; a default Question when none was asked.
    Question last() const;
    int count() const;
    void clear();  // forgets questions and pending answers

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

private:
    QString nextPath();
    void record(Question question);

    mutable std::mutex mutex_;
    QList<Question> asked_;
    std::deque<Button> buttons_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<QString> paths_;
    std::deque<QStringList> pathLists_;
};
