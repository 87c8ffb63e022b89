// The sound and network module: found beside the program or in the build
// tree; without it sounds are skipped and the exchange cannot be reached.
#include "exchange/qt/LazyTransport.h"
#include "ui/IoModule.h"
#include "ui/Seams.h"

#include <QTemporaryDir>
#include <QtTest>

class IoModuleTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first: the program's seams remember a missing module.
    void withoutTheModuleSoundsAreSkippedAndTheExchangeIsUnreachable()
    {
        QTemporaryDir empty;
        tavrio::setIoModuleDirs({empty.path()});
        QVERIFY(!tavrio::ioModuleFunction("tavrioCreateSound"));

        tavrio::installQtSeams();
        QStringList finished;
        tavrio::seams().sound->playWav(QStringLiteral("a.wav"), [&] { finished << QStringLiteral("a"); });
        tavrio::seams().sound->playWav(QStringLiteral("b.wav"), [&] { finished << QStringLiteral("b"); });
        // The queue goes on with the newest sound; the one it replaced is dropped.
        QTRY_COMPARE(finished, QStringList{QStringLiteral("b")});

        bool called = false;
        tavrio::exchange::cLazyHttpClient http;
        QVERIFY(!http.Get("http://127.0.0.1:1/", 0, [&](const tavrio::exchange::cHttpReply&) { called = true; }));
        tavrio::exchange::cLazySocketClient socket;
        QVERIFY(!socket.Exchange("127.0.0.1", 1, "x", 0, [](const std::string&) { return true; },
                                 [&](bool, const std::string&) { called = true; }));
        QVERIFY(!called);
    }

    void theBuiltModuleIsFoundWithEveryEntryPoint()
    {
        tavrio::setIoModuleDirs({});
        for (const char* name : {"tavrioCreateSound", "tavrioCreateHttpClient", "tavrioCreateSocketClient"})
            QVERIFY2(tavrio::ioModuleFunction(name), name);
    }
};

QTEST_MAIN(IoModuleTest)
#include "IoModuleTest.moc"
