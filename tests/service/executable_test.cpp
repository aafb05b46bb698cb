#include <gtest/gtest.h>
#include <httplib.h>

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include "platform/gbk.h"

// The real program: its first line names the port, and its log keeps each target as sent.
TEST(ServiceExecutable, ListensLogsRawTargetsAndStopsOnTerm) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString logPath = dir.filePath("requests.log");
    QProcess process;
    process.start(QStringLiteral(LYRAVOX_SERVICE_EXE), {"--port", "0", "--log", logPath, "--quiet"});
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(process.waitForReadyRead(10000));
    const QByteArray first = process.readLine().trimmed();
    ASSERT_TRUE(first.startsWith("listening on 127.0.0.1:")) << first.toStdString();
    const int port = first.mid(first.lastIndexOf(':') + 1).toInt();
    ASSERT_GT(port, 0);

    httplib::Client client("127.0.0.1", port);
    client.set_url_encode(false);
    const std::string region = gbk::fromUnicode(QStringLiteral("欧美地区")).toStdString();
    const auto res = client.Get(("/lyravox3.0/getgeshou_diqu.php?diqu=" + region).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    ASSERT_TRUE(client.Get("/lyravox3.0/get_q.php?q=%D4%C2&q_by=0&p=1&n=30"));

    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);

    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray lines = log.readAll();
    EXPECT_TRUE(lines.contains("GET /lyravox3.0/getgeshou_diqu.php?diqu=%C5%B7%C3%C0%B5%D8%C7%F8 200\n"))
        << lines.toStdString();
    EXPECT_TRUE(lines.contains("GET /lyravox3.0/get_q.php?q=%D4%C2&q_by=0&p=1&n=30 200\n"));
}
