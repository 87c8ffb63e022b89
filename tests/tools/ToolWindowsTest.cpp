// The tool windows driven by object name, with scripted seams in a
// temporary working directory.
#include "NamedChild.h"
#include "ScriptedSeams.h"
#include "UnsavedQuestions.h"

#include "tools/grammar/TForm6.h"
#include "ui/Windows.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

template <class T>
T* child(QWidget* w, const char* name)
{
    return tavrio::test::namedChild<T>(w, QString::fromLatin1(name));
}

QByteArray readBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class tst_ToolWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void grammarThreeLinesRoundTrip();
    void grammarMissingFileShowsInMemoAndBox();
    void grammarOddFilesLoadWhatTheyCan_data();
    void grammarOddFilesLoadWhatTheyCan();
    void grammarCancelChangesNothing_data();
    void grammarCancelChangesNothing();
    void grammarFailedSaveKeepsTheOldFile();
    void grammarBackReturnsToItsOpener_data();
    void grammarBackReturnsToItsOpener();
    void grammarAsksBeforeClosingOverUnsavedNotes_data();
    void grammarAsksBeforeClosingOverUnsavedNotes();

private:
    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString previous_;
    std::unique_ptr<TForm6> form6_;
};

void tst_ToolWindows::init()
{
    previous_ = QDir::currentPath();
    dir_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(dir_->path());
    seams_.clear();
    seams_.install();
    form6_ = std::make_unique<TForm6>();
}

void tst_ToolWindows::cleanup()
{
    form6_.reset();
    QDir::setCurrent(previous_);
    dir_.reset();
}

// ---- grammar notes ---------------------------------------------------------

void tst_ToolWindows::grammarThreeLinesRoundTrip()
{
    auto* memo = child<QPlainTextEdit>(form6_.get(), "Memo1");
    memo->setPlainText(QStringLiteral("der Hund\n\ndie Straße"));
    seams_.fileAnswers << QStringLiteral("notizen.gra");
    child<QPushButton>(form6_.get(), "Speichern")->click();
    QCOMPARE(readBytes(QStringLiteral("notizen.gra")), QByteArray("der Hund\r\n\r\ndie Stra\xDF" "e\r\n"));
    QCOMPARE(seams_.messages, QStringList{QStringLiteral("Gespeichert !")});
    QCOMPARE(child<QLineEdit>(form6_.get(), "dateiname")->text(), QStringLiteral("notizen.gra"));

    memo->setPlainText(QStringLiteral("etwas anderes"));
    seams_.fileAnswers << QStringLiteral("notizen.gra");
    child<QPushButton>(form6_.get(), "Laden")->click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("der Hund\n\ndie Straße"));
    QCOMPARE(form6_->memoLines().size(), std::size_t(3));
    QCOMPARE(seams_.messages.size(), 1);

    // An empty memo writes an empty file.
    memo->clear();
    seams_.fileAnswers << QStringLiteral("notizen.gra");
    child<QPushButton>(form6_.get(), "Speichern")->click();
    QCOMPARE(readBytes(QStringLiteral("notizen.gra")), QByteArray());
}

void tst_ToolWindows::grammarMissingFileShowsInMemoAndBox()
{
    seams_.fileAnswers << QDir::current().filePath(QStringLiteral("fehlt.gra"));
    child<QPushButton>(form6_.get(), "Laden")->click();
    QCOMPARE(child<QPlainTextEdit>(form6_.get(), "Memo1")->toPlainText(), QStringLiteral("Datei NICHT gefunden !"));
    QCOMPARE(seams_.messages, QStringList{QStringLiteral("Datei NICHT gefunden !")});
    QCOMPARE(child<QLineEdit>(form6_.get(), "dateiname")->text(), QStringLiteral("grammatik.gra"));
}

void tst_ToolWindows::grammarOddFilesLoadWhatTheyCan_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("cutMessage");
    QTest::newRow("binary") << QByteArray("ab\0\x01c\r\n\xFF\xFE", 9) << QStringLiteral("ab \x01c") << 2 << false;
    QTest::newRow("ends inside a line") << QByteArray("eins\r\nzw") << QStringLiteral("eins") << 2 << false;
    const QByteArray line = QByteArray(1023, 'x') + '\n';
    QTest::newRow("huge") << line.repeated(3 * 1024) << QString(1023, QLatin1Char('x')) << 2048 << true;
}

void tst_ToolWindows::grammarOddFilesLoadWhatTheyCan()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstLine);
    QFETCH(int, lines);
    QFETCH(bool, cutMessage);
    writeBytes(QStringLiteral("seltsam.gra"), bytes);
    seams_.fileAnswers << QStringLiteral("seltsam.gra");
    child<QPushButton>(form6_.get(), "Laden")->click();
    QCOMPARE(int(form6_->memoLines().size()), lines);
    QCOMPARE(child<QPlainTextEdit>(form6_.get(), "Memo1")->document()->firstBlock().text(), firstLine);
    QCOMPARE(seams_.messages.size(), cutMessage ? 1 : 0);
    QCOMPARE(child<QLineEdit>(form6_.get(), "dateiname")->text(), QStringLiteral("seltsam.gra"));
}

void tst_ToolWindows::grammarCancelChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("load") << QStringLiteral("Laden") << QStringLiteral("NICHT geladen !");
    QTest::newRow("save") << QStringLiteral("Speichern") << QStringLiteral("NICHT gespeichert");
}

void tst_ToolWindows::grammarCancelChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    tavrio::test::namedChild<QPushButton>(form6_.get(), button)->click();
    QCOMPARE(seams_.messages, QStringList{message});
    QCOMPARE(child<QPlainTextEdit>(form6_.get(), "Memo1")->toPlainText(), QStringLiteral("Memo1"));
    QCOMPARE(child<QLineEdit>(form6_.get(), "dateiname")->text(), QStringLiteral("grammatik.gra"));
    QVERIFY(QDir::current().entryList(QDir::Files).isEmpty());
}

void tst_ToolWindows::grammarFailedSaveKeepsTheOldFile()
{
    writeBytes(QStringLiteral("alt.gra"), "alte Notizen\r\n");
    // The temporary file cannot be created where a folder has its name.
    QVERIFY(QDir().mkdir(QStringLiteral("alt.gra.tmp")));
    child<QPlainTextEdit>(form6_.get(), "Memo1")->setPlainText(QStringLiteral("neu"));
    seams_.fileAnswers << QStringLiteral("alt.gra");
    child<QPushButton>(form6_.get(), "Speichern")->click();
    QCOMPARE(readBytes(QStringLiteral("alt.gra")), QByteArray("alte Notizen\r\n"));
    QCOMPARE(seams_.messages.size(), 1);
    QVERIFY(seams_.messages.first().startsWith(QStringLiteral("Datei konnte NICHT gespeichert werden !")));
}

void tst_ToolWindows::grammarBackReturnsToItsOpener_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Zurück") << false;
    QTest::newRow("Esc") << true;
}

void tst_ToolWindows::grammarBackReturnsToItsOpener()
{
    QFETCH(bool, byKey);
    QWidget opener;
    opener.show();
    form6_->openFrom(&opener);
    QVERIFY(!opener.isEnabled());
    QVERIFY(form6_->isVisible());
    if (byKey)
        QTest::keyClick(child<QPlainTextEdit>(form6_.get(), "Memo1"), Qt::Key_Escape);
    else
        child<QPushButton>(form6_.get(), "Button1")->click();
    QVERIFY(!form6_->isVisible());
    QVERIFY(opener.isVisible() && opener.isEnabled());
}

void tst_ToolWindows::grammarAsksBeforeClosingOverUnsavedNotes_data()
{
    tavrio::test::addUnsavedColumns();
    QTest::newRow("untouched") << QStringList{} << false << false << true << false;
    QTest::newRow("typed, Nein keeps it open") << QStringList{"type"} << false << true << false << false;
    QTest::newRow("typed, Ja closes") << QStringList{"type"} << true << true << true << false;
    QTest::newRow("typed and saved") << QStringList{"type", "save"} << false << false << true << false;
    QTest::newRow("saved, then typed") << QStringList{"save", "type"} << false << true << false << false;
    QTest::newRow("saved, then loaded unasked") << QStringList{"save", "load"} << false << false << true << false;
    QTest::newRow("typed, Ja loads a file") << QStringList{"save", "type", "load"} << false << false << true << true;
    QTest::newRow("typed, Nein keeps the notes")
        << QStringList{"save", "type", "keep"} << false << true << false << true;
}

void tst_ToolWindows::grammarAsksBeforeClosingOverUnsavedNotes()
{
    const tavrio::test::cUnsavedRow row = tavrio::test::fetchUnsavedRow();
    QWidget opener;
    opener.show();
    form6_->openFrom(&opener);
    auto* memo = child<QPlainTextEdit>(form6_.get(), "Memo1");
    for (const QString& step : row.steps) {
        if (step == QStringLiteral("type")) {
            QTest::keyClicks(memo, QStringLiteral("der Hund"));
        } else if (step == QStringLiteral("keep")) {
            // "Nein" to the question before loading: no dialog, the notes stay.
            child<QPushButton>(form6_.get(), "Laden")->click();
            QVERIFY(memo->toPlainText().contains(QStringLiteral("der Hund")));
        } else {
            seams_.fileAnswers << QStringLiteral("notizen.gra");
            seams_.answers << (step == QStringLiteral("load"));
            child<QPushButton>(form6_.get(), step == QStringLiteral("save") ? "Speichern" : "Laden")->click();
            seams_.answers.clear();
        }
    }
    QVERIFY(seams_.fileAnswers.isEmpty());
    seams_.answers << row.yes;
    QTest::keyClick(memo, Qt::Key_Escape);
    tavrio::test::checkUnsavedClose(seams_, row, form6_.get(), opener);
}

QTEST_MAIN(tst_ToolWindows)
#include "ToolWindowsTest.moc"
