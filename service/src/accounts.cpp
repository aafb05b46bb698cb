#include "accounts.h"

#include "text_table.h"

#include <QCryptographicHash>
#include <QDir>

namespace service {

bool Accounts::load(const QString& dataDir, QString* error) {
    QList<QStringList> rows;
    const QString path = QDir(dataDir).filePath("accounts.tsv");
    if (!readTextTable(path, rows)) {
        if (error) *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    for (const QStringList& r : rows) {
        const QString name = field(r, 0);
        if (!name.isEmpty()) accounts_[name] = Account{field(r, 1), field(r, 2).toInt()};
    }
    return true;
}

// A key that stays the same for an account across restarts of the service, so a
// client that is still running keeps working after one.
QString Accounts::keyFor(const QString& name, const QString& password) {
    const QByteArray seed = "lyravox-demo\n" + name.toUtf8() + '\n' + password.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex());
}

std::optional<QString> Accounts::login(const QString& name, const QString& password) const {
    std::lock_guard lock(mutex_);
    const auto it = accounts_.find(name);
    if (it == accounts_.end() || it->second.password != password) return std::nullopt;
    seen_[name] = true;
    return keyFor(name, password);
}

bool Accounts::keyMatches(const QString& name, const QString& key) const {
    std::lock_guard lock(mutex_);
    const auto it = accounts_.find(name);
    return it != accounts_.end() && keyFor(name, it->second.password) == key;
}

std::optional<Accounts::Charge> Accounts::charge(const QString& name, int cost) {
    std::lock_guard lock(mutex_);
    const auto it = accounts_.find(name);
    if (it == accounts_.end()) return std::nullopt;
    Charge result;
    result.enough = it->second.balance >= cost;
    if (result.enough) it->second.balance -= cost;
    result.balance = it->second.balance;
    return result;
}

int Accounts::signedIn() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(seen_.size());
}

}  // namespace service
