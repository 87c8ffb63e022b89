// Where the program works when it is not started in a prepared directory.
#include "app/WorkingDirectory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class WorkingDirectoryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString runtime;
    QString program;

private slots:
    void init()
    {
        QVERIFY(tmp.isValid());
        runtime = tmp.filePath(QStringLiteral("build/runtime"));
        program = tmp.filePath(QStringLiteral("build/app"));
        QDir().mkpath(program);
        write(runtime + QStringLiteral("/BG/Eingang.bmp"), "picture");
        write(runtime + QStringLiteral("/Hilfe/Start.bmp"), "help");
        write(runtime + QStringLiteral("/Englisch.vok"), "dog\r\nHund\r\n1\r\n\r\n");
        qunsetenv("TAVRIO_RUNTIME_DIR");
    }
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void theRuntimeDirectoryIsFoundBesideTheProgram()
    {
        QCOMPARE(tavrio::findRuntimeDirectory(program), QDir(runtime).absolutePath());
        QCOMPARE(tavrio::findRuntimeDirectory(tmp.filePath(QStringLiteral("elsewhere/bin"))).isEmpty(),
                 !QFileInfo(QStringLiteral(TAVRIO_BUILD_RUNTIME_DIR "/BG")).isDir());
    }

    void populatingCopiesWhatIsMissingAndKeepsTheLearnersFiles()
    {
        const QString data = tmp.filePath(QStringLiteral("data"));
        write(data + QStringLiteral("/Englisch.vok"), "my own list");
        QVERIFY(tavrio::populateDirectory(runtime, data));
        QCOMPARE(read(data + QStringLiteral("/BG/Eingang.bmp")), QByteArray("picture"));
        QCOMPARE(read(data + QStringLiteral("/Hilfe/Start.bmp")), QByteArray("help"));
        QCOMPARE(read(data + QStringLiteral("/Englisch.vok")), QByteArray("my own list"));
        QVERIFY(QDir(data).entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty());
    }

    void aPreparedCurrentDirectoryIsKept()
    {
        const QString here = tmp.filePath(QStringLiteral("here"));
        QDir().mkpath(here + QStringLiteral("/BG"));
        QVERIFY(QDir::setCurrent(here));
        const QString data = tmp.filePath(QStringLiteral("unused-data"));
        QCOMPARE(tavrio::chooseWorkingDirectory(program, data), QDir(here).absolutePath());
        QVERIFY(!QFileInfo::exists(data));
    }

    void elsewhereTheDataDirectoryIsFilledAndUsed()
    {
        const QString home = tmp.filePath(QStringLiteral("home"));
        QDir().mkpath(home);
        QVERIFY(QDir::setCurrent(home));
        const QString data = tmp.filePath(QStringLiteral("data/Quendel/Tavrio"));
        QCOMPARE(tavrio::chooseWorkingDirectory(program, data), QDir(data).absolutePath());
        QCOMPARE(QDir::currentPath(), QDir(data).absolutePath());
        QVERIFY(QFileInfo::exists(QStringLiteral("BG/Eingang.bmp")));
        QVERIFY(QFileInfo::exists(QStringLiteral("Englisch.vok")));
    }

    // A later build paints new or changed pictures; started from the menu
    // again, the program uses them, and what the learner did stays.
    void aLaterStartRefreshesThePicturesOnly()
    {
        const QString home = tmp.filePath(QStringLiteral("home"));
        QDir().mkpath(home);
        QVERIFY(QDir::setCurrent(home));
        const QString data = tmp.filePath(QStringLiteral("data/Quendel/Tavrio"));
        tavrio::chooseWorkingDirectory(program, data);
        QVERIFY(QFile::remove(data + QStringLiteral("/Englisch.vok")));
        write(data + QStringLiteral("/Anna.pfl"), "\x04" "Anna");
        QFile copied(data + QStringLiteral("/Hilfe/Start.bmp"));
        QVERIFY(copied.open(QIODevice::ReadWrite));
        QVERIFY(copied.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        copied.close();
        write(runtime + QStringLiteral("/Hilfe/Start.bmp"), "help, newer");
        write(runtime + QStringLiteral("/Images/Neu/Bild.bmp"), "new picture");
        write(runtime + QStringLiteral("/LevelEditor.bmp"), "map");
        write(runtime + QStringLiteral("/Start.lvl"), "level");
        write(runtime + QStringLiteral("/Meer.lvl"), "level");
        write(data + QStringLiteral("/Meer.lvl"), "my own level");

        QVERIFY(QDir::setCurrent(home));
        QCOMPARE(tavrio::chooseWorkingDirectory(program, data), QDir(data).absolutePath());
        QCOMPARE(read(data + QStringLiteral("/Hilfe/Start.bmp")), QByteArray("help, newer"));
        QCOMPARE(read(data + QStringLiteral("/Images/Neu/Bild.bmp")), QByteArray("new picture"));
        QCOMPARE(read(data + QStringLiteral("/BG/Eingang.bmp")), QByteArray("picture"));
        QCOMPARE(read(data + QStringLiteral("/LevelEditor.bmp")), QByteArray("map"));
        QCOMPARE(read(data + QStringLiteral("/Start.lvl")), QByteArray("level"));
        QCOMPARE(read(data + QStringLiteral("/Meer.lvl")), QByteArray("my own level"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Englisch.vok")));
        QCOMPARE(read(data + QStringLiteral("/Anna.pfl")), QByteArray("\x04" "Anna"));
        QVERIFY(QDir(data + QStringLiteral("/Hilfe")).entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(WorkingDirectoryTest)
#include "WorkingDirectoryTest.moc"
