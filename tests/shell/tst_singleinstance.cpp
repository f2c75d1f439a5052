// The single-instance guard between real processes.
#include "SingleInstanceUnit.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int ProcessWaitMs = 30000;

// A guarded copy of the helper program, started from its own installation path.
class TCopy {
public:
    explicit TCopy(const QString& program)
    {
        m_process.setProgram(program);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        m_process.waitForStarted(ProcessWaitMs);
    }
    ~TCopy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.write("quit\n");
            if (!m_process.waitForFinished(ProcessWaitMs))
                m_process.kill();
        }
    }
    TCopy(const TCopy&) = delete;
    TCopy& operator=(const TCopy&) = delete;

    // The next line the copy writes.
    QByteArray NextLine()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(ProcessWaitMs))
                return {};
        }
        return m_process.readLine().trimmed();
    }
    bool Finished() { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ProcessWaitMs); }
    bool Running() const { return m_process.state() == QProcess::Running; }
    int ExitCode() const { return m_process.exitCode(); }
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(ProcessWaitMs);
    }

private:
    QProcess m_process;
};

// The helper program copied into a fresh folder: a path no other test run uses.
QString InstalledCopy(const QTemporaryDir& folder)
{
    const QString program = folder.filePath(QStringLiteral("qvb"));
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/tst_singleinstance_helper"), program);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

} // namespace

class TstSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void blockNameDropsEverySlash();
    void secondCopyBringsTheFirstForwardAndEnds();
    void copyUnderAnotherPathRuns();
    void staleBlockOfAKilledCopyIsTakenOver();
    void countedOutCopyLetsTheNextRun();
};

void TstSingleInstance::blockNameDropsEverySlash()
{
    QCOMPARE(TSingleInstanceGuard::BlockName(QStringLiteral("/opt/Valdrona/bin/qvb")), QStringLiteral("optValdronabinqvb"));
}

void TstSingleInstance::secondCopyBringsTheFirstForwardAndEnds()
{
    const QTemporaryDir folder;
    const QString program = InstalledCopy(folder);
    TCopy first(program);
    QCOMPARE(first.NextLine(), QByteArray("running"));
    TCopy second(program);
    QCOMPARE(second.NextLine(), QByteArray("ended"));
    QVERIFY(second.Finished());
    QCOMPARE(second.ExitCode(), 0);
    QCOMPARE(first.NextLine(), QByteArray("activated"));
    QVERIFY(first.Running());
}

void TstSingleInstance::copyUnderAnotherPathRuns()
{
    const QTemporaryDir folder;
    const QTemporaryDir otherFolder;
    TCopy first(InstalledCopy(folder));
    QCOMPARE(first.NextLine(), QByteArray("running"));
    TCopy other(InstalledCopy(otherFolder));
    QCOMPARE(other.NextLine(), QByteArray("running"));
    QVERIFY(first.Running());
}

void TstSingleInstance::staleBlockOfAKilledCopyIsTakenOver()
{
    const QTemporaryDir folder;
    const QString program = InstalledCopy(folder);
    {
        TCopy crashed(program);
        QCOMPARE(crashed.NextLine(), QByteArray("running"));
        crashed.Kill();
    }
    TCopy next(program);
    QCOMPARE(next.NextLine(), QByteArray("running"));
    // The copy that took over is the one the following copy finds.
    TCopy third(program);
    QCOMPARE(third.NextLine(), QByteArray("ended"));
    QCOMPARE(next.NextLine(), QByteArray("activated"));
}

void TstSingleInstance::countedOutCopyLetsTheNextRun()
{
    const QTemporaryDir folder;
    const QString program = InstalledCopy(folder);
    {
        TCopy first(program);
        QCOMPARE(first.NextLine(), QByteArray("running"));
    }
    TCopy next(program);
    QCOMPARE(next.NextLine(), QByteArray("running"));
}

QTEST_GUILESS_MAIN(TstSingleInstance)
#include "tst_singleinstance.moc"
