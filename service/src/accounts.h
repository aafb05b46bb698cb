#pragma once

#include <QString>

#include <map>
#include <mutex>
#include <optional>

namespace service {

// Demo accounts with their 琴珠 balances. Balances live in memory: every start
// of the service begins again with the amounts of accounts.tsv.
class Accounts {
public:
    bool load(const QString& dataDir, QString* error);

    // The 40-character login key of a good name and password.
    std::optional<QString> login(const QString& name, const QString& password) const;
    bool keyMatches(const QString& name, const QString& key) const;

    struct Charge {
        bool enough = false;
        int balance = 0;  // after the charge
    };
    // Spends cost from the balance when it suffices; nothing for an unknown name.
    std::optional<Charge> charge(const QString& name, int cost);

    int signedIn() const;  // names that logged in since the start

private:
    struct Account {
        QString password;
        int balance = 0;
    };
    static QString keyFor(const QString& name, const QString& password);

    std::map<QString, Account> accounts_;
    mutable std::mutex mutex_;
    mutable std::map<QString, bool> seen_;
};

}  // namespace service
