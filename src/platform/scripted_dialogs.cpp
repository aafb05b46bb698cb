#include "platform/scripted_dialogs.h"

#include <utility>

void ScriptedDialogs::answerMessage(Button pressed) {
    std::lock_guard lock(mutex_);
    buttons_.push_back(pressed);
}

void ScriptedDialogs::answerInput(const QString& text) {
    std::lock_guard lock(mutex_);
    inputs_.emplace_back(text);
}

void ScriptedDialogs::cancelInput() {
    std::lock_guard lock(mutex_);
    inputs_.emplace_back(std::nullopt);
}

void ScriptedDialogs::answerPath(const QString& path) {
    std::lock_guard lock(mutex_);
    paths_.push_back(path);
}

void ScriptedDialogs::answerPaths(const QStringList& paths) {
    std::lock_guard lock(mutex_);
    pathLists_.push_back(paths);
}

QList<ScriptedDialogs::Question> ScriptedDialogs::asked() const {
    std::lock_guard lock(mutex_);
    return asked_;
}

ScriptedDialogs::Question ScriptedDialogs::last() const {
    std::lock_guard lock(mutex_);
    return asked_.isEmpty() ? Question{} : asked_.last();
}

int ScriptedDialogs::count() const {
    std::lock_guard lock(mutex_);
    return int(asked_.size());
}

void ScriptedDialogs::clear() {
    std::lock_guard lock(mutex_);
    asked_.clear();
    buttons_.clear();
    inputs_.clear();
    paths_.clear();
    pathLists_.clear();
}

void ScriptedDialogs::record(Question question) {
    asked_.append(std::move(question));
}

QString ScriptedDialogs::nextPath() {
    if (paths_.empty()) return {};
    QString path = paths_.front();
    paths_.pop_front();
    return path;
}

Dialogs::Button ScriptedDialogs::message(QWidget*, const QString& caption, const QString& text,
                                         Buttons buttons, Icon icon) {
    std::lock_guard lock(mutex_);
    record({Kind::Message, caption, text, buttons, icon, {}, {}, {}});
    if (buttons_.empty()) return Cancel;
    const Button pressed = buttons_.front();
    buttons_.pop_front();
    return pressed;
}

bool ScriptedDialogs::input(QWidget*, const QString& caption, const QString& prompt,
                            QString& value) {
    std::lock_guard lock(mutex_);
    record({Kind::Input, caption, prompt, NoButton, Icon::None, value, {}, {}});
    if (inputs_.empty()) return false;
    const std::optional<QString> answer = inputs_.front();
    inputs_.pop_front();
    if (!answer) return false;
    value = *answer;
    return true;
}

QString ScriptedDialogs::openFile(QWidget*, const QString& caption, const QString& dir,
                                  const QString& filter) {
    std::lock_guard lock(mutex_);
    record({Kind::OpenFile, caption, {}, NoButton, Icon::None, {}, dir, filter});
    return nextPath();
}

QStringList ScriptedDialogs::openFiles(QWidget*, const QString& caption, const QString& dir,
                                       const QString& filter) {
    std::lock_guard lock(mutex_);
    record({Kind::OpenFiles, caption, {}, NoButton, Icon::None, {}, dir, filter});
    if (pathLists_.empty()) return {};
    QStringList paths = pathLists_.front();
    pathLists_.pop_front();
    return paths;
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& caption, const QString& dir,
                                  const QString& filter) {
    std::lock_guard lock(mutex_);
    record({Kind::SaveFile, caption, {}, NoButton, Icon::None, {}, dir, filter});
    return nextPath();
}

QString ScriptedDialogs::selectFolder(QWidget*, const QString& caption, const QString& dir) {
    std::lock_guard lock(mutex_);
    record({Kind::SelectFolder, caption, {}, NoButton, Icon::None, {}, dir, {}});
    return nextPath();
}
