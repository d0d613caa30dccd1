#include "tests/support/TestDataDir.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// Set in the child run, which makes one data directory and says where it went.
constexpr char kChildMode[] = "LEDGERINE_TESTDATADIR_CHILD";

int runChild()
{
#ifdef Q_OS_UNIX
    // The expected abort should leave no core file in the build tree.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
    TestDataDir dir;
    std::printf("data dir: \"%s\"\n", qgetenv("LEDGERINE_DATA_DIR").constData());
    return 0;
}

} // namespace

class TestDataDirTest : public QObject
{
    Q_OBJECT

private slots:
    void noTemporaryFolderStopsTheTest();
};

void TestDataDirTest::noTemporaryFolderStopsTheTest()
{
    // A temporary folder cannot be made inside a plain file, not even by
    // root; a missing TMPDIR would not do, as Qt then falls back to "/".
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
    environment.insert(QStringLiteral("TMPDIR"), notAFolder.fileName());
    environment.remove(QStringLiteral("LEDGERINE_DATA_DIR"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));

    const QByteArray output = child.readAllStandardOutput();
    QVERIFY2(child.exitStatus() == QProcess::CrashExit, output.constData());
    QVERIFY(output.isEmpty());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildMode))
        return runChild();
    QCoreApplication app(argc, argv);
    TestDataDirTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_testdatadir.moc"
