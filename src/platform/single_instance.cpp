#include "platform/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr int kConnectWaitMs = 1000;
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), name_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    return QStringLiteral("Lyravox-") + QString::number(::getuid());
}

bool SingleInstance::anotherRuns() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectWaitMs)) {
        probe.write(QByteArray::number(kShowYourself) + '\n');
        probe.waitForBytesWritten(kConnectWaitMs);
        probe.disconnectFromServer();
        return true;
    }

    // Nobody answered: whatever socket file is there is stale.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    server_->listen(name_);
    return false;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine().trimmed().toInt() == kShowYourself) emit showYourselfRequested();
            }
        });
    }
}
