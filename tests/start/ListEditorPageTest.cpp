// The list editor page of the start screen, driven by its object names:
// loading, marking, editing, adding, deleting, saving and creating lists,
// and the knowledge column.
#include "tests/app/ShellFixture.h"
#include "tests/support/NamedChild.h"

#include "engine/Session.h"
#include "start/ListEditorModel.h"
#include "start/ListEditorPage.h"
#include "start/ListTransfer.h"
#include "transfer/ListImport.h"
#include "start/StartScreen.h"
#include "ui/Phonetic.h"
#include "ui/Windows.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using tavrio::test::cShellFixture;

namespace {
// A four-line list: original, translation, mark, phonetic per entry.
QByteArray list4(const QList<QList<QByteArray>>& entries)
{
    QByteArray bytes;
    for (const auto& e : entries)
        bytes += e.value(0) + "\r\n" + e.value(1) + "\r\n" + e.value(2) + "\r\n" + e.value(3) + "\r\n";
    return bytes;
}
} // namespace

class ListEditorPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellFixture> fx;
    std::unique_ptr<TFormStart> start;

    template <class T>
    T* child(const char* name)
    {
        return tavrio::test::namedChild<T>(start.get(), QString::fromLatin1(name));
    }
    tavrio::cListEditorPage* editor() { return qobject_cast<tavrio::cListEditorPage*>(start->page(1)); }
    QTableView* grid() { return child<QTableView>("StringGrid1"); }
    QAbstractItemModel* rows() { return grid()->model(); }
    QComboBox* choice() { return child<QComboBox>("ComboBox2"); }
    QString cell(int row, int column) { return rows()->index(row, column).data().toString(); }
    QStringList column(int c)
    {
        QStringList out;
        for (int r = 0; r < rows()->rowCount(); ++r)
            out << cell(r, c);
        return out;
    }
    void click(const char* name) { QMetaObject::invokeMethod(child<QPushButton>(name), "click"); }
    void clickCell(int row, int c)
    {
        const QModelIndex i = rows()->index(row, c);
        grid()->scrollTo(i);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(i).center());
    }
    void chooseList(const QString& name)
    {
        const int i = choice()->findText(name);
        QVERIFY(i >= 0);
        choice()->setCurrentIndex(i);
        editor()->ComboBox2Change();
    }
    void openEditor() { start->showPage(TFormStart::ListEditorPage); }
    void logIn(const std::string& name)
    {
        cShellFixture::writeProfile(QByteArray::fromStdString(name));
        tavrio::setSession(std::make_unique<cSession>(name));
    }

private slots:
    void init()
    {
        fx = std::make_unique<cShellFixture>();
        cShellFixture::clearSettings();
        start = std::make_unique<TFormStart>();
        tavrio::windows().formStart = start.get();
        start->show();
    }
    void cleanup()
    {
        start.reset();
        tavrio::setSession(nullptr);
        tavrio::windows() = {};
        fx.reset();
    }

    void rowsShowMarksWordsAndPhoneticState()
    {
        cShellFixture::writeBytes("Liste.vok", list4({{"Haus", "house", "1", "haUs"},
                                                       {"M\xFC" "de", "tired", "0", ""},
                                                       {"Baum", "tree", "x", ""}})
                                                   + "Ende\r\nend");   // truncated entry
        openEditor();
        QCOMPARE(column(0), (QStringList{"X", "", "X", "X"}));
        QCOMPARE(column(1), (QStringList{"Haus", "Müde", "Baum", "Ende"}));
        QCOMPARE(column(2), (QStringList{"house", "tired", "tree", "end"}));
        QCOMPARE(column(3), (QStringList{"vorhanden", "-fehlt-", "-fehlt-", "-fehlt-"}));
        QCOMPARE(column(5), (QStringList(4, "Löschen")));
        QVERIFY(grid()->isColumnHidden(6));
    }

    void knowledgeText_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<int>("rightForward");   // right answers asked as (original, translation)
        QTest::addColumn<int>("rightBackward");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no profile") << false << 0 << 0 << "k.Profil";
        QTest::newRow("never practised") << true << 0 << 0 << "Schwer/Schwer(20/20)";
        QTest::newRow("forward twice") << true << 2 << 0 << "Mittel/Schwer(70/20)";
        QTest::newRow("both ways") << true << 3 << 1 << "Leicht/Mittel(95/45)";
    }
    void knowledgeText()
    {
        QFETCH(bool, loggedIn);
        QFETCH(int, rightForward);
        QFETCH(int, rightBackward);
        QFETCH(QString, expected);
        cShellFixture::writeBytes("Liste.vok", list4({{"Stra\xDF" "e", "street", "1"}}));
        if (loggedIn) {
            logIn("Anna");
            for (int i = 0; i < rightForward; ++i)
                tavrio::session()->RecordAnswer("Stra\xDF" "e", "street", true);
            for (int i = 0; i < rightBackward; ++i)
                tavrio::session()->RecordAnswer("street", "Stra\xDF" "e", true);
        }
        openEditor();
        QCOMPARE(cell(0, 4), expected);
    }

    void togglingTwiceKeepsTheMarkButCountsAsChanged()
    {
        cShellFixture::writeBytes("Liste.vok", list4({{"a", "b", "1"}, {"c", "d", "0"}}));
        openEditor();
        clickCell(1, 0);
        QCOMPARE(cell(1, 0), QStringLiteral("X"));
        clickCell(1, 0);
        QCOMPARE(cell(1, 0), QString());
        QVERIFY(editor()->changed());
        click("Button5");   // scripted answer: No
        QCOMPARE(fx->seams.questions,
                 QStringList{QStringLiteral("Du hast die Datei geändert.\r\n Möchtest du ohne Speichern verlassen?\r\n"
                                            "Alle Änderungen gehen dann verloren!")});
        QCOMPARE(start->currentPage(), int(TFormStart::ListEditorPage));
        fx->seams.answers << true;
        click("Button5");
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        QVERIFY(!editor()->changed());
    }

    void deleteRemovesTheClickedRowAndAddAppendsAMarkedOne()
    {
        cShellFixture::writeBytes("Liste.vok", list4({{"a", "b", "1"}, {"c", "d", "0"}, {"e", "f", "1"}}));
        openEditor();
        // A slipped click costs nothing: the row goes only after "Ja".
        clickCell(1, 5);
        QCOMPARE(fx->seams.questions, QStringList{QStringLiteral("Die Zeile \"c - d\" wirklich löschen?")});
        QCOMPARE(fx->seams.questionDefaults, QList<tavrio::cDefaultAnswer>{tavrio::cDefaultAnswer::No});
        QCOMPARE(column(1), (QStringList{"a", "c", "e"}));
        QVERIFY(!editor()->changed());
        fx->seams.answers << true;
        clickCell(1, 5);
        QCOMPARE(column(1), (QStringList{"a", "e"}));
        QCOMPARE(column(0), (QStringList{"X", "X"}));
        child<QLineEdit>("Edit3")->setText(QStringLiteral("Käse"));
        child<QLineEdit>("Edit4")->setText(QStringLiteral("cheese"));
        editor()->setNewEntryPhonetic("ke:z\xE6");
        click("Button7");
        QCOMPARE(column(1), (QStringList{"a", "e", "Käse"}));
        // The fields are ready for the next pair.
        QCOMPARE(child<QLineEdit>("Edit3")->text(), QString());
        QCOMPARE(child<QLineEdit>("Edit4")->text(), QString());
        QCOMPARE(cell(2, 0), QStringLiteral("X"));
        QCOMPARE(cell(2, 3), QStringLiteral("vorhanden"));
        QCOMPARE(cell(2, 4), QStringLiteral("k.Profil"));
        // Rows added or deleted are unsaved work, so leaving asks first.
        QVERIFY(editor()->changed());
        click("Button8");
        QCOMPARE(cShellFixture::readBytes("Liste.vok"),
                 list4({{"a", "b", "1"}, {"e", "f", "1"}, {"K\xE4se", "cheese", "1", "ke:z\xE6"}}));
        QVERIFY(!editor()->changed());
    }

    void savingAnUntouchedListWritesItBackByteForByte()
    {
        // Every byte value a field can hold, including the five that
        // Windows-1252 leaves unassigned.
        QByteArray odd;
        for (int b = 0x20; b < 0x100; ++b)
            if (b != 0x7F)
                odd += char(b);
        const QByteArray original = list4({{odd, "x", "1", "\x81\x8D\x8F\x90\x9D"}, {"y", odd, "0", ""}});
        cShellFixture::writeBytes("Liste.vok", original);
        openEditor();
        click("Button8");
        QCOMPARE(cShellFixture::readBytes("Liste.vok"), original);
    }

    void emptyEntriesAndACutLastEntryAreKeptWhole()
    {
        cShellFixture::writeBytes("Liste.vok", QByteArray("\n\n1\n\n").repeated(3) + "a\nb\n0");
        openEditor();
        QCOMPARE(column(1), (QStringList{"", "", "", "a"}));
        QCOMPARE(column(0), (QStringList{"X", "X", "X", ""}));
        click("Button8");
        QCOMPARE(cShellFixture::readBytes("Liste.vok"),
                 list4({{"", "", "1"}, {"", "", "1"}, {"", "", "1"}, {"a", "b", "0"}}));
    }

    void typedTextIsStoredInTheCodePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("told");
        QTest::newRow("umlauts and euro") << QStringLiteral("Öl für 5 €") << QByteArray("\xD6l f\xFCr 5 \x80") << false;
        QTest::newRow("not in the code page") << QStringLiteral("水 water") << QByteArray("? water") << true;
        QTest::newRow("line break") << QStringLiteral("two\nlines") << QByteArray("two lines") << false;
    }
    void typedTextIsStoredInTheCodePage()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(bool, told);
        cShellFixture::writeBytes("Liste.vok", list4({{"a", "b", "1"}}));
        openEditor();
        // Typed into the translation cell of the list's entry ...
        clickCell(0, 2);
        auto* cellEditor = grid()->findChild<QLineEdit*>();
        QVERIFY(cellEditor);
        cellEditor->setText(typed);
        QTest::keyClick(cellEditor, Qt::Key_Return);   // commits on the next turn of the event loop
        QCoreApplication::processEvents();
        QVERIFY(editor()->changed());
        // ... and into the new entry's original.
        child<QLineEdit>("Edit3")->setText(typed);
        child<QLineEdit>("Edit4")->setText(QStringLiteral("c"));
        click("Button7");
        QCoreApplication::processEvents();
        click("Button8");
        QCOMPARE(cShellFixture::readBytes("Liste.vok"), list4({{"a", stored, "1"}, {stored, "c", "1"}}));
        QCOMPARE(fx->seams.messages.size(), told ? 2 : 0);
    }

    void aFailedSaveIsReportedAndKeepsTheWork()
    {
        const QByteArray before = list4({{"a", "b", "1"}});
        cShellFixture::writeBytes("Liste.vok", before);
        openEditor();
        clickCell(0, 0);
        QVERIFY(QDir().mkdir(QStringLiteral("Liste.vok.tmp")));   // the temporary file cannot be made
        click("Button8");
        QCOMPARE(fx->seams.messages.size(), 1);
        QVERIFY(fx->seams.messages[0].startsWith(QStringLiteral("Die Vokabelliste \"Liste.vok\" konnte nicht gespeichert werden.")));
        QCOMPARE(cShellFixture::readBytes("Liste.vok"), before);
        QCOMPARE(column(0), QStringList{QString()});
        QVERIFY(editor()->changed());
    }

    void choosingAnotherListAsksWhenChanged()
    {
        cShellFixture::writeBytes("Alpha.vok", list4({{"a", "b", "1"}}));
        cShellFixture::writeBytes("Beta.vok", list4({{"c", "d", "1"}}));
        openEditor();
        clickCell(0, 0);
        chooseList(QStringLiteral("Alpha"));   // No: back to Beta with its rows
        QCOMPARE(fx->seams.questions.size(), 1);
        QVERIFY(fx->seams.questions[0].contains(QStringLiteral("eine andere wählen?")));
        QCOMPARE(choice()->currentText(), QStringLiteral("Beta"));
        QCOMPARE(column(0), QStringList{QString()});
        fx->seams.answers << true;
        chooseList(QStringLiteral("Alpha"));
        QCOMPARE(column(1), QStringList{"a"});
        QVERIFY(!editor()->changed());
    }

    void newRefusesUnusableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("slash") << QStringLiteral("../Liste");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("not in the code page") << QStringLiteral("名字");
    }
    void newRefusesUnusableNames()
    {
        QFETCH(QString, name);
        openEditor();
        child<QLineEdit>("Edit2")->setText(name);
        click("Button6");
        QCOMPARE(fx->seams.messages.size(), 1);
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
        QVERIFY(QDir(QStringLiteral("..")).entryList({QStringLiteral("*.vok")}, QDir::Files).isEmpty());
    }

    void newCreatesTheListAndSelectsIt()
    {
        cShellFixture::writeBytes("Zoo.vok", list4({{"a", "b", "1"}}));
        openEditor();
        child<QLineEdit>("Edit2")->setText(QStringLiteral("Tiere"));
        click("Button6");
        QVERIFY(fx->seams.messages.isEmpty());
        QCOMPARE(cShellFixture::readBytes("Tiere.vok"), QByteArray("Original\r\nTranslation\r\n1\r\n\r\n"));
        QCOMPARE(choice()->currentText(), QStringLiteral("Tiere"));
        QCOMPARE(column(2), QStringList{"Translation"});
        click("Button6");
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Die Vokablliste \"Tiere.vok\" existiert schon.")});
    }

    void saveAsInsideAndOutsideTheWorkingDirectory()
    {
        cShellFixture::writeBytes("Beta.vok", list4({{"c", "d", "1"}}));
        cShellFixture::writeBytes("Zeta.vok", list4({{"z", "z", "1"}}));
        openEditor();
        chooseList(QStringLiteral("Beta"));
        clickCell(0, 0);
        fx->seams.fileAnswers << QDir::current().filePath(QStringLiteral("Kopie"));
        click("Button9");
        QCOMPARE(cShellFixture::readBytes("Kopie.vok"), list4({{"c", "d", "0"}}));
        QCOMPARE(choice()->currentText(), QStringLiteral("Kopie"));
        QVERIFY(!editor()->changed());

        QTemporaryDir elsewhere;
        fx->seams.fileAnswers << elsewhere.filePath(QStringLiteral("Fern.vok"));
        click("Button9");
        QCOMPARE(cShellFixture::readBytes(elsewhere.filePath(QStringLiteral("Fern.vok"))), list4({{"c", "d", "0"}}));
        QCOMPARE(choice()->findText(QStringLiteral("Fern")), -1);
        QCOMPARE(choice()->currentText(), QStringLiteral("Zeta"));
    }

    void lautschriftTakesTheTranscriptionOfThePhoneticEntry()
    {
        cShellFixture::writeBytes("Liste.vok", list4({{"a", "b", "1"}}));
        openEditor();
        // Without an entry window the button does nothing.
        click("LautschriftButton");
        QVERIFY(start->isEnabled());
        QWidget* openedFrom = nullptr;
        tavrio::PhoneticHandBack handBack;
        tavrio::setPhoneticEntryOpener([&](QWidget* from, tavrio::PhoneticHandBack back) {
            openedFrom = from;
            handBack = std::move(back);
        });
        click("LautschriftButton");
        QCOMPARE(openedFrom, static_cast<QWidget*>(start.get()));
        handBack("ba\xC9n");
        tavrio::setPhoneticEntryOpener({});
        QCOMPARE(child<QLineEdit>("Edit5")->text(), QString::fromUtf8("baːn"));
        click("Button7");
        click("Button8");
        QCOMPARE(cShellFixture::readBytes("Liste.vok"),
                 list4({{"a", "b", "1"}, {"Original", "Uebersetzung", "1", "ba\xC9n"}}));
    }

    void twentyThousandEntriesLoadQuickly()
    {
        QByteArray bytes;
        for (int i = 0; i < 20000; ++i)
            bytes += list4({{"wort" + QByteArray::number(i), "word" + QByteArray::number(i), "1"}});
        cShellFixture::writeBytes("Gross.vok", bytes);
        logIn("Anna");
        tavrio::session()->RecordAnswer("wort19999", "word19999", true);
        QElapsedTimer timer;
        timer.start();
        openEditor();
        grid()->scrollToBottom();
        QCoreApplication::processEvents();
        const qint64 ms = timer.elapsed();
        qInfo("20000 entries loaded and drawn in %lld ms", ms);
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
        QCOMPARE(rows()->rowCount(), 20000);
        QCOMPARE(cell(19999, 4), QStringLiteral("Mittel/Schwer(45/20)"));
    }

    void importWritesAMarkedListShowsItAndAsksBeforeReplacing()
    {
        QFile csv(QStringLiteral("Meine W\u00f6rter.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Original;\xc3\x9c" "bersetzung\r\nhouse;Haus\r\n\xd0\xb4\xd0\xbe\xd0\xbc;Haus\r\n");
        csv.close();
        openEditor();
        fx->seams.fileAnswers << QFileInfo(csv).absoluteFilePath();
        click("ImportButton");
        QVERIFY(fx->seams.messages.value(0).startsWith(QStringLiteral("1 Eintrag \u00fcbernommen. 1 \u00fcbersprungen")));
        QCOMPARE(choice()->currentText(), QStringLiteral("Meine W\u00f6rter"));
        QCOMPARE(column(1), QStringList{QStringLiteral("house")});
        QCOMPARE(column(0), QStringList{QStringLiteral("X")});

        // The same name again: asked, and No keeps the list as it was.
        csv.open(QIODevice::WriteOnly);
        csv.write("tree;Baum\r\n");
        csv.close();
        fx->seams.fileAnswers << QFileInfo(csv).absoluteFilePath();
        click("ImportButton");
        QCOMPARE(fx->seams.questions.value(0), QStringLiteral("Die Liste \"Meine W\u00f6rter\" gibt es schon. Ersetzen?"));
        QCOMPARE(column(1), QStringList{QStringLiteral("house")});
    }

    void exportWritesTheShownRowsForSpreadsheets()
    {
        QFile list(QStringLiteral("Liste.vok"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(list4({{"h\xe9", "er", "1", ""}, {"bar", "Bar", "1", "ba\xc9"}}));
        list.close();
        openEditor();
        fx->seams.fileAnswers << QDir::current().absoluteFilePath(QStringLiteral("out.csv"));
        click("ExportButton");
        QFile out(QStringLiteral("out.csv"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        // The transcription is written as IPA (201 is the length mark) and reads back to its bytes.
        QCOMPARE(out.readAll(), QByteArray("\xEF\xBB\xBF" "Original;\xc3\x9c" "bersetzung;Lautschrift\r\nh\xc3\xa9;er;\r\n"
                                           "bar;Bar;ba\xcb\x90\r\n"));
        QCOMPARE(tavrio::phoneticCodec().fromIpa("ba\xcb\x90").value_or(""), std::string("ba\xc9"));
    }
};

QTEST_MAIN(ListEditorPageTest)
#include "ListEditorPageTest.moc"
