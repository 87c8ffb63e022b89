// The vocabulary editor TForm3: loading and saving the three-line layout,
// the entry buttons, the selected fields, the way to the phonetic entry.
#include "tests/app/ShellFixture.h"
#include "tests/support/NamedChild.h"
#include "tests/support/TabWalk.h"

#include "tools/phonetics/TForm25.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/Phonetic.h"
#include "ui/Unsaved.h"
#include "ui/Windows.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using tavrio::test::cShellFixture;
using tavrio::test::namedChild;

class VocabEditorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<cShellFixture> fx;
    std::unique_ptr<TForm3> form;
    std::unique_ptr<TForm25> phonetic;

    template <class T>
    T* child(const char* name) { return namedChild<T>(form.get(), QString::fromLatin1(name)); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    QListView* list() { return child<QListView>("Vokabellisteorginal"); }
    QModelIndex at(int row) { return list()->model()->index(row, 0); }
    void select(int row) { list()->selectionModel()->select(at(row), QItemSelectionModel::Select); }
    void load(const QString& name)
    {
        fx->seams.fileAnswers << fx->path(name);
        click("Button3");
    }
    void saveAs(const QString& name)
    {
        fx->seams.fileAnswers << fx->path(name);
        click("Button2");
    }
    QStringList originals()
    {
        QStringList out;
        for (int i = 0; i < form->entryCount(); ++i)
            out << QString::fromLatin1(form->entry(i).original);
        return out;
    }

private slots:
    void init()
    {
        fx = std::make_unique<cShellFixture>();
        form = std::make_unique<TForm3>();
        phonetic = std::make_unique<TForm25>();
        tavrio::windows().form3 = form.get();
        tavrio::windows().form25 = phonetic.get();
    }
    void cleanup()
    {
        tavrio::windows() = tavrio::cWindows{};
        phonetic.reset();
        form.reset();
        fx.reset();
    }

    void checkedEntryWithTranscriptionLoadsAndSavesBackByteForByte()
    {
        const QByteArray file = "K\xE4se\r\ncheese\r\n1ke\xC9z\r\nBrot\r\nbread\r\n0\r\n";
        cShellFixture::writeBytes("alt.vok", file);
        load("alt.vok");
        QCOMPARE(fx->seams.messages, QStringList{"Geladen !"});
        QCOMPARE(child<QLineEdit>("Dateiname")->text(), fx->path("alt.vok"));
        QCOMPARE(form->entryCount(), 2);
        QVERIFY(form->entry(0).checked);
        QCOMPARE(form->entry(0).phonetic, std::string("ke\xC9z"));
        QCOMPARE(at(0).data().toString(), QString::fromUtf8("Käse"));
        QVERIFY(!form->entry(1).checked);
        saveAs("neu.vok");
        QCOMPARE(fx->seams.messages.last(), QStringLiteral("Gespeichert !"));
        QCOMPARE(cShellFixture::readBytes("neu.vok"), file);
    }

    void savingAddsVokToANameWithoutAnExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain name") << "liste" << "liste.vok";
        QTest::newRow("own extension kept") << "liste.txt" << "liste.txt";
        QTest::newRow("dot only in the folder") << "mein.ordner/liste" << "mein.ordner/liste.vok";
    }
    void savingAddsVokToANameWithoutAnExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QDir().mkpath(QStringLiteral("mein.ordner"));
        saveAs(chosen);
        QCOMPARE(fx->seams.messages, QStringList{"Gespeichert !"});
        QCOMPARE(child<QLineEdit>("Dateiname")->text(), fx->path(written));
        QVERIFY(QFile::exists(written));
    }

    void cancelledOrMissingFilesSayNotLoadedOrNotSaved()
    {
        click("Button3");
        load("fehlt.vok");
        click("Button2");
        QCOMPARE(fx->seams.messages, (QStringList{"NICHT geladen !", "NICHT geladen !", "NICHT gespeichert !"}));
        QCOMPARE(form->entryCount(), 2);
        QCOMPARE(child<QLineEdit>("Dateiname")->text(), QStringLiteral("vokabeln.vok"));
    }

    void aFailedSaveSaysSoAndKeepsTheOldFile()
    {
        cShellFixture::writeBytes("alt.vok", "a\r\nb\r\n1\r\n");
        load("alt.vok");
        QDir().mkpath(QStringLiteral("ordner.vok"));
        fx->seams.messages.clear();
        saveAs("ordner.vok");
        saveAs("fehlt/liste.vok");
        QCOMPARE(fx->seams.messages.size(), 2);
        for (const QString& m : fx->seams.messages)
            QVERIFY2(m.endsWith(QStringLiteral("NICHT gespeichert !")) && m.contains(QStringLiteral("alte Datei")),
                     qPrintable(m));
        QVERIFY(QFileInfo(QStringLiteral("ordner.vok")).isDir());
        QVERIFY(!QFile::exists(QStringLiteral("fehlt")));
    }

    void theLastEntryCannotBeDeleted()
    {
        cShellFixture::writeBytes("eins.vok", "a\r\nb\r\n1\r\nc\r\nd\r\n0\r\ne\r\nf\r\n0\r\n");
        load("eins.vok");
        select(0);
        select(2);
        click("Button7");
        QCOMPARE(originals(), QStringList{"c"});
        list()->setCurrentIndex(at(0));
        click("Button7");
        QCOMPARE(originals(), QStringList{"c"});
        QCOMPARE(fx->seams.messages.last(), QStringLiteral("Es muss mindestens eine Vokabel vorhanden sein !"));
        // Selecting every entry of a longer list does not empty it either.
        click("Button6");
        list()->selectAll();
        click("Button7");
        QCOMPARE(form->entryCount(), 2);
    }

    void storingWithNothingSelectedAppendsAndLeavesTheOthers()
    {
        cShellFixture::writeBytes("zwei.vok", "a\r\nb\r\n1p\xC9\r\nc\r\nd\r\n0q\r\n");
        load("zwei.vok");
        list()->clearSelection();
        form->takeFromPhonetic(QStringLiteral("Haus"), QStringLiteral("house"), "ha\x92u");
        click("Button4");
        QCOMPARE(originals(), (QStringList{"a", "c", "Haus"}));
        QCOMPARE(child<QLineEdit>("selectedorginal")->text(), QStringLiteral("Haus"));
        QCOMPARE(namedChild<tavrio::cPhoneticEdit>(form.get(), QStringLiteral("selectedLautschrift"))->bytes(),
                 std::string("ha\x92u"));
        saveAs("zwei.vok");
        QCOMPARE(cShellFixture::readBytes("zwei.vok"),
                 QByteArray("a\r\nb\r\n1p\xC9\r\nc\r\nd\r\n0q\r\nHaus\r\nhouse\r\n0ha\x92u\r\n"));
    }

    void theSelectedFieldsFollowTheSelectionAndFeedTheEdits()
    {
        cShellFixture::writeBytes("zwei.vok", "a\r\nb\r\n1p\r\nc\r\nd\r\n0q\r\n");
        load("zwei.vok");
        list()->setCurrentIndex(at(1));
        QCOMPARE(child<QLineEdit>("selectedorginal")->text(), QStringLiteral("c"));
        QCOMPARE(child<QLineEdit>("selecteduebersetzung")->text(), QStringLiteral("d"));
        click("Button5");
        QCOMPARE(child<QLineEdit>("Orginal")->text(), QStringLiteral("c"));
        QCOMPARE(namedChild<tavrio::cPhoneticEdit>(form.get(), QStringLiteral("Lautschrift"))->bytes(), std::string("q"));
        child<QLineEdit>("Uebersetzung")->setText(QStringLiteral("D"));
        click("Button4");
        QCOMPARE(form->entry(1).translation, std::string("D"));
        QCOMPARE(form->entryCount(), 2);
        click("Button6");
        QCOMPARE(form->entry(2).original, std::string("Neu Orginal"));
        QVERIFY(!form->entry(2).checked);
    }

    void oddFilesLoadWhatTheyCan()
    {
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 37) & 0xFF);
        cShellFixture::writeBytes("binaer.vok", binary);
        load("binaer.vok");
        QCOMPARE(fx->seams.messages.last(), QStringLiteral("Geladen !"));
        QVERIFY(form->entryCount() > 0);

        // Too many bytes, or too many entries.
        cShellFixture::writeBytes("gross.vok", QByteArray(17 << 20, 'x'));
        cShellFixture::writeBytes("leer.vok", QByteArray(3 * 1000000 + 1, '\n'));
        for (const QString& name : {QStringLiteral("gross.vok"), QStringLiteral("leer.vok")}) {
            load(name);
            QCOMPARE(fx->seams.messages.last(), QStringLiteral("Die Datei ist zu groß für eine Vokabelliste.\r\nNICHT geladen !"));
            QCOMPARE(child<QLineEdit>("Dateiname")->text(), fx->path("binaer.vok"));
        }

        // Hundreds of thousands of entries load, and save back unchanged.
        const QByteArray feeds(3 * 300000 + 1, '\n');
        cShellFixture::writeBytes("zeilen.vok", feeds);
        load("zeilen.vok");
        QCOMPARE(form->entryCount(), 300001);
        QCOMPARE(form->entry(300000).translation, std::string("Nicht gefunden"));
        form->takeFromPhonetic(QStringLiteral("x"), QString(), "");
        click("Button4");
        saveAs("zeilen.vok");
        QByteArray expected = QByteArray("\r\n\r\n0\r\n").repeated(300000) + "\r\nNicht gefunden\r\n0\r\nx\r\n\r\n0\r\n";
        QCOMPARE(cShellFixture::readBytes("zeilen.vok"), expected);
    }

    void deletingSelectedEntriesKeepsTheOthersInOrder_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("one") << QList<int>{3};
        QTest::newRow("two runs") << QList<int>{0, 1, 2, 7, 8};
        QTest::newRow("scattered") << [] { QList<int> rows; for (int r = 0; r < 40; r += 2) rows << r; return rows; }();
        QTest::newRow("all but the last") << [] { QList<int> rows; for (int r = 0; r < 39; ++r) rows << r; return rows; }();
    }
    void deletingSelectedEntriesKeepsTheOthersInOrder()
    {
        QFETCH(QList<int>, selected);
        QByteArray file;
        QStringList kept;
        for (int r = 0; r < 40; ++r) {
            const QByteArray o = QByteArray::number(r);
            file += o + "\r\nt" + o + "\r\n" + (r % 3 ? "0" : "1p") + o + "\r\n";
            if (!selected.contains(r))
                kept << QString::fromLatin1(o);
        }
        cShellFixture::writeBytes("vierzig.vok", file);
        load("vierzig.vok");
        for (int r : selected)
            select(r);
        click("Button7");
        QCOMPARE(originals(), kept);
        for (int i = 0; i < form->entryCount(); ++i) {
            const TForm3::Entry e = form->entry(i);
            const int r = QString::fromStdString(e.original).toInt();
            QCOMPARE(e.translation, "t" + e.original);
            QCOMPARE(e.checked, r % 3 == 0);
        }
    }

    void lautschriftEditierenOpensThePhoneticEntryWithTheEditedTexts()
    {
        QWidget options;
        form->openFrom(&options);
        child<QLineEdit>("Orginal")->setText(QStringLiteral("Bahn"));
        form->takeFromPhonetic(QStringLiteral("Bahn"), QStringLiteral("railway"), "b");
        click("Button9");
        QVERIFY(phonetic->isVisible());
        QVERIFY(!form->isEnabled());
        QCOMPARE(phonetic->transcription(), std::string("b"));
        namedChild<QPushButton>(phonetic.get(), QStringLiteral("Button53"))->click();
        namedChild<QPushButton>(phonetic.get(), QStringLiteral("Button1"))->click();
        QVERIFY(form->isEnabled());
        QCOMPARE(namedChild<tavrio::cPhoneticEdit>(form.get(), QStringLiteral("Lautschrift"))->bytes(),
                 std::string("ba\xC9"));
        click("Button1");
        QVERIFY(!form->isVisible());
        QVERIFY(options.isEnabled());
    }

    void closingAsksOnlyOverAChangedList_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("loadAsked");
        QTest::newRow("untouched") << QStringList{} << false << false;
        QTest::newRow("fields edited, nothing stored") << QStringList{"edit"} << false << false;
        QTest::newRow("new entry") << QStringList{"Button6"} << true << false;
        QTest::newRow("edited entry stored") << QStringList{"edit", "Button4"} << true << false;
        QTest::newRow("tick set") << QStringList{"tick"} << true << false;
        QTest::newRow("new entry, then saved") << QStringList{"Button6", "save"} << false << false;
        QTest::newRow("saved, then loaded unasked") << QStringList{"Button6", "save", "load"} << false << false;
        QTest::newRow("new entry, Ja loads a list")
            << QStringList{"Button6", "save", "Button6", "load"} << false << true;
        QTest::newRow("new entry, Nein keeps it")
            << QStringList{"Button6", "save", "Button6", "keep"} << true << true;
    }
    void closingAsksOnlyOverAChangedList()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, asked);
        QFETCH(bool, loadAsked);
        QWidget options;
        form->openFrom(&options);
        for (const QString& step : steps) {
            if (step == QStringLiteral("edit")) {
                child<QLineEdit>("Orginal")->setText(QStringLiteral("Bahn"));
            } else if (step == QStringLiteral("tick")) {
                list()->model()->setData(at(0), Qt::Checked, Qt::CheckStateRole);
            } else if (step == QStringLiteral("save")) {
                saveAs(QStringLiteral("liste.vok"));
            } else if (step == QStringLiteral("load")) {
                fx->seams.answers << true;
                load(QStringLiteral("liste.vok"));
                fx->seams.answers.clear();
            } else if (step == QStringLiteral("keep")) {
                // "Nein" before the dialog: no dialog, the changed list stays.
                const int entries = form->entryCount();
                click("Button3");
                QCOMPARE(form->entryCount(), entries);
            } else {
                click(step.toLatin1().constData());
            }
        }
        QVERIFY(fx->seams.fileAnswers.isEmpty());
        // "Nein" keeps the window and the list; "Ja" closes it.
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(fx->seams.questions, QStringList(int(loadAsked), tavrio::kUnsavedOnLoad) + QStringList(int(asked), tavrio::kUnsavedOnClose));
        QCOMPARE(form->isVisible(), asked);
        if (!asked)
            return;
        QCOMPARE(fx->seams.questionDefaults.last(), tavrio::cDefaultAnswer::No);
        fx->seams.answers << true;
        click("Button1");
        QVERIFY(!form->isVisible());
        QVERIFY(options.isEnabled());
    }

    void tabWalksTheListTheEditedFieldsAndTheButtons()
    {
        const QStringList names = tavrio::test::namesOf(tavrio::test::tabWalk(form.get(), list(), 13));
        QCOMPARE(names, (QStringList{"Vokabellisteorginal", "Orginal", "Uebersetzung", "Lautschrift", "Button5",
                                     "Button4", "Button9", "Button6", "Button7", "Button3", "Button2", "Button8",
                                     "Button1", "Vokabellisteorginal"}));
    }
};

QTEST_MAIN(VocabEditorWindowTest)
#include "VocabEditorWindowTest.moc"
