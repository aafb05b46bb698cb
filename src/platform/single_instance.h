#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user: the first start listens on a local socket,
// a later start finds it there and asks it to show itself.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowYourself = 2033;

    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "Lyravox-" followed by the user id, so two users on one machine do not meet.
    static QString defaultServerName();

    // True when another instance answered and was sent the show-yourself
    // message. Otherwise this object now listens for later starts; a socket
    // left behind by a crashed run is removed first.
    bool anotherRuns();

signals:
    void showYourselfRequested();

private:
    void acceptConnections();

    QString name_;
    QLocalServer* server_ = nullptr;
};
