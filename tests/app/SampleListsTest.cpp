// The sample lists a first start offers: real word pairs in the four-line
// layout, as Windows-1252 bytes the engine reads.
#include "engine/ListFile.h"
#include "ui/Text.h"

#include <QDir>
#include <QtTest>

class SampleListsTest : public QObject {
    Q_OBJECT

private slots:
    void eachListHoldsEnoughMarkedPairsInWindows1252_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("someOriginal");
        QTest::addColumn<QString>("itsTranslation");
        QTest::newRow("English") << QStringLiteral("Englisch") << QStringLiteral("the kitchen") << QStringLiteral("die Küche");
        QTest::newRow("French") << QStringLiteral("Franzoesisch") << QStringLiteral("la sœur") << QStringLiteral("die Schwester");
        QTest::newRow("Latin") << QStringLiteral("Latein") << QStringLiteral("puella") << QStringLiteral("das Mädchen");
    }
    void eachListHoldsEnoughMarkedPairsInWindows1252()
    {
        QFETCH(QString, name);
        QFETCH(QString, someOriginal);
        QFETCH(QString, itsTranslation);
        const QString path = QDir(qEnvironmentVariable("TAVRIO_RUNTIME_DIR")).filePath(name + QStringLiteral(".vok"));
        std::string bytes;
        QVERIFY2(ReadFileBytes(path.toStdString(), bytes), qPrintable(path));
        // CR LF line ends and no UTF-8 sequences (an umlaut is one byte).
        QVERIFY(bytes.find("\r\n") != std::string::npos);
        QVERIFY(bytes.find('\xC3') == std::string::npos);
        const std::vector<cListEntry> entries = ParseList4(bytes);
        QVERIFY(entries.size() >= 40);
        bool found = false;
        for (const cListEntry& e : entries) {
            QVERIFY(!e.original.empty() && !e.translation.empty());
            QCOMPARE(QByteArray::fromStdString(e.mark), QByteArray("1"));
            QVERIFY(e.phonetic.empty());
            if (tavrio::fromAnsi(e.original) == someOriginal) {
                QCOMPARE(tavrio::fromAnsi(e.translation), itsTranslation);
                found = true;
            }
        }
        QVERIFY(found);
    }
};

QTEST_GUILESS_MAIN(SampleListsTest)
#include "SampleListsTest.moc"
