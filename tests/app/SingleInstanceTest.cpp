// The single-instance guard with real processes of the program.
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString programPath() {
    return QStringLiteral(QUORVANE_TEST_PROGRAM_DIR "/quorvane");
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_DATA_HOME", runtime.path() + "/data");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QUORVANE_DIALOG_ECHO", "1");
        // USDJPY counts as pre-calculated, so that no instance starts the first-start run.
        const QString ohlc = runtime.path() + "/data/dellmoor/quorvane/ohlc";
        QDir().mkpath(ohlc);
        QFile marker(ohlc + "/USDJPY.finished");
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    }

    void start(QProcess& p) {
        p.setProcessEnvironment(env);
        p.start(programPath(), {});
        ASSERT_TRUE(p.waitForStarted(5000)) << p.errorString().toStdString() << " " << programPath().toStdString();
    }

    // Waits until the instance listens for activation requests, i.e. holds the lock.
    void waitUntilRunning() {
        const QString socket = runtime.path() + "/quorvane-" + QString::number(::getuid()) + ".socket";
        for (int i = 0; i < 200 && !QFile::exists(socket); ++i) {
            QThread::msleep(25);
        }
        ASSERT_TRUE(QFile::exists(socket));
    }

    QTemporaryDir runtime;
    QProcessEnvironment env;
};

} // namespace

TEST_F(SingleInstanceTest, SecondStartIsRefusedAndAStartAfterACrashProceeds) {
    QProcess first;
    start(first);
    waitUntilRunning();

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QString said = QString::fromUtf8(second.readAllStandardOutput());
    EXPECT_TRUE(said.contains(QStringLiteral("二重起動のテスト: すでに起動されています。"))) << said.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill(); // no clean shutdown: the system must release the lock
    ASSERT_TRUE(first.waitForFinished(5000));

    QProcess third;
    start(third);
    EXPECT_FALSE(third.waitForFinished(1500)) << "a start after a crash must proceed";
    EXPECT_FALSE(QString::fromUtf8(third.readAllStandardOutput()).contains(QStringLiteral("すでに")));
    third.terminate();
    third.waitForFinished(5000);
}
