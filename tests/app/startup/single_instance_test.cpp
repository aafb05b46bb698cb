#include "platform/single_instance.h"

#include <QDir>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString uniqueName() {
    return QStringLiteral("lyravox-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, SecondStartFindsTheFirstAndAsksItToShowItself) {
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_FALSE(first.anotherRuns());
    QSignalSpy shown(&first, &SingleInstance::showYourselfRequested);

    SingleInstance second(name);
    EXPECT_TRUE(second.anotherRuns());
    EXPECT_TRUE(shown.wait(5000));
    EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, StaleSocketOfACrashedRunIsTakenOver) {
    const QString name = uniqueName();
    // A bound socket file nobody listens on, as a killed run leaves behind.
    const QByteArray path = QDir::tempPath().toLocal8Bit() + '/' + name.toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);

    SingleInstance first(name);
    EXPECT_FALSE(first.anotherRuns());
    QSignalSpy shown(&first, &SingleInstance::showYourselfRequested);
    SingleInstance second(name);
    EXPECT_TRUE(second.anotherRuns());
    EXPECT_TRUE(shown.wait(5000));
}

}  // namespace
