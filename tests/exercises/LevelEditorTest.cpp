// The level editor TForm20 driven by object name, with scripted dialogs and
// messages, in a temporary working directory.
#include "NamedChild.h"
#include "ScriptedSeams.h"
#include "UnsavedQuestions.h"
#include "TempSession.h"

#include "engine/ListFile.h"
#include "exercises/level/LevelCanvas.h"
#include "exercises/level/LevelFile.h"
#include "exercises/level/LevelReader.h"
#include "exercises/level/TForm20.h"
#include "ui/FileNames.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace tavrio::level;

namespace {

const QString kRefused = QStringLiteral("Datei kann nicht gespeichert werden!\rVergewissere Dich ob du genau :\r"
                                        "-1 Ende\r-1 Tavrio\r-20 ABC-Felder\rgebaut hast!");

// The middle of a cell of the map picture.
QPoint cellPoint(int column, int row) { return QPoint(20 * (column - 1) + 10, 20 * (row - 1) + 10); }

} // namespace

class tst_LevelEditor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showStartsFromTheEmptyFrame();
    void clicksPaintOnlyInnerCells_data();
    void clicksPaintOnlyInnerCells();
    void keyboardPaintsAndEscGoesBack();
    void closingAsksOnlyOverUnsavedChanges_data();
    void closingAsksOnlyOverUnsavedChanges();
    void saveChecksTheCounts_data();
    void saveChecksTheCounts();
    void saveNames_data();
    void saveNames();
    void loadMessages_data();
    void loadMessages();
    void savedLevelPlaysInBothGames();
    void startLevelBesideTheProgramIsPlayable();

private:
    template <class T>
    T* child(const char* name)
    {
        return tavrio::test::namedChild<T>(form_.get(), QString::fromLatin1(name));
    }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void paint(const char* tool, int column, int row)
    {
        click(tool);
        QTest::mouseClick(child<cLevelCanvas>("Image1"), Qt::LeftButton, {}, cellPoint(column, row));
    }
    // One start, one exit and `letters` letter fields.
    void drawLevel(int letters);

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<tavrio::test::cTempSession> dir_;
    std::unique_ptr<TForm20> form_;
};

void tst_LevelEditor::initTestCase() { seams_.install(); }

void tst_LevelEditor::init()
{
    seams_.clear();
    dir_ = std::make_unique<tavrio::test::cTempSession>(tavrio::test::cWordPairs{{"Haus", "house"}});
    form_ = std::make_unique<TForm20>();
    form_->show();
}

void tst_LevelEditor::cleanup()
{
    form_.reset();
    dir_.reset();
}

void tst_LevelEditor::drawLevel(int letters)
{
    paint("Button3", 3, 3);
    paint("Button2", 20, 3);
    click("Button6");
    for (int k = 0; k < letters; ++k)
        QTest::mouseClick(child<cLevelCanvas>("Image1"), Qt::LeftButton, {}, cellPoint(2 + k % 22, 6 + k / 22));
}

void tst_LevelEditor::showStartsFromTheEmptyFrame()
{
    drawLevel(20);
    QCOMPARE(child<QLabel>("AnzahlABC")->text(), QStringLiteral("20"));
    form_->hide();
    form_->show();
    QCOMPARE(form_->map(), editorFrame());
    QCOMPARE(form_->selectedCode(), 0);
    for (const char* counter : {"AnzahlTavrio", "AnzahlABC", "AnzahlEnde"})
        QCOMPARE(child<QLabel>(counter)->text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>("Dateiname")->text(), QStringLiteral("Dateiname"));
    QCOMPARE(child<QLineEdit>("Name")->text(), QStringLiteral("Keiner"));
    QVERIFY(!child<QPushButton>("LoadMap")->isVisible());
}

void tst_LevelEditor::clicksPaintOnlyInnerCells_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("painted");
    QTest::newRow("top left inner cell, its corner") << QPoint(20, 20) << 2 << 2 << true;
    QTest::newRow("bottom right inner cell, its last pixel") << QPoint(459, 259) << 23 << 13 << true;
    QTest::newRow("frame at the top") << QPoint(100, 19) << 5 << 1 << false;
    QTest::newRow("frame at the right") << QPoint(460, 100) << 24 << 6 << false;
    QTest::newRow("bottom row") << QPoint(200, 270) << 10 << 14 << false;
}

void tst_LevelEditor::clicksPaintOnlyInnerCells()
{
    QFETCH(QPoint, pos);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, painted);
    const int before = form_->map().at(column, row);
    click("Button3");
    QTest::mouseClick(child<cLevelCanvas>("Image1"), Qt::LeftButton, {}, pos);
    QCOMPARE(form_->map().at(column, row), painted ? kStart : before);
    QCOMPARE(child<QLabel>("AnzahlTavrio")->text(), painted ? QStringLiteral("1") : QStringLiteral("0"));
    // Several starts may stand on the map while drawing; "Leer" removes one.
    paint("Button3", 7, 7);
    QCOMPARE(child<QLabel>("AnzahlTavrio")->text(), painted ? QStringLiteral("2") : QStringLiteral("1"));
    paint("Button5", 7, 7);
    QCOMPARE(form_->map().at(7, 7), kEmpty);
}

void tst_LevelEditor::keyboardPaintsAndEscGoesBack()
{
    QWidget opener;
    opener.show();
    tavrio::windows().form20 = form_.get();
    form_->hide();
    tavrio::openLevelEditor(&opener);
    QVERIFY(!opener.isEnabled());
    QVERIFY(form_->isVisible());

    auto* canvas = child<cLevelCanvas>("Image1");
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_4); // the "Ende" tool
    QCOMPARE(form_->selectedCode(), kExit);
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down);
    QTest::keyClick(canvas, Qt::Key_Space);
    QCOMPARE(form_->map().at(3, 3), kExit);
    QCOMPARE(child<QLabel>("AnzahlEnde")->text(), QStringLiteral("1"));
    // The cursor stays on the cells the learner may paint.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(canvas, Qt::Key_Up);
    QTest::keyClick(canvas, Qt::Key_Return);
    QCOMPARE(form_->map().at(3, 2), kExit);

    seams_.answers << true; // the painted map is thrown away
    QTest::keyClick(canvas, Qt::Key_Escape);
    QVERIFY(!form_->isVisible());
    QVERIFY(opener.isEnabled());
    tavrio::windows().form20 = nullptr;
}

void tst_LevelEditor::closingAsksOnlyOverUnsavedChanges_data()
{
    tavrio::test::addUnsavedColumns();
    QTest::newRow("untouched") << QStringList{} << false << false << true << false;
    QTest::newRow("painted, Nein keeps it open") << QStringList{"paint"} << false << true << false << false;
    QTest::newRow("painted, Ja closes") << QStringList{"paint"} << true << true << true << false;
    QTest::newRow("painted and painted back") << QStringList{"paint", "unpaint"} << false << false << true << false;
    QTest::newRow("level name changed") << QStringList{"name"} << false << true << false << false;
    QTest::newRow("drawn and saved") << QStringList{"level", "save"} << false << false << true << false;
    QTest::newRow("saved, then painted") << QStringList{"level", "save", "paint"} << false << true << false << false;
    QTest::newRow("untouched, loaded unasked") << QStringList{"load"} << false << false << true << false;
    QTest::newRow("painted, Ja loads a level") << QStringList{"paint", "load"} << false << false << true << true;
    QTest::newRow("painted, Nein keeps the map") << QStringList{"paint", "keep"} << false << true << false << true;
}

void tst_LevelEditor::closingAsksOnlyOverUnsavedChanges()
{
    const tavrio::test::cUnsavedRow row = tavrio::test::fetchUnsavedRow();
    QWidget opener;
    opener.show();
    form_->hide();
    form_->openFrom(&opener);
    tavrio::test::cTempSession::writeFile("l.lvl", formatLevel(editorFrame(), "Keiner"));
    seams_.questions.clear();
    for (const QString& step : row.steps) {
        if (step == QStringLiteral("paint")) {
            paint("Button3", 5, 5);
        } else if (step == QStringLiteral("unpaint")) {
            paint("Button5", 5, 5);
        } else if (step == QStringLiteral("name")) {
            QTest::keyClicks(child<QLineEdit>("Name"), QStringLiteral("!"));
        } else if (step == QStringLiteral("level")) {
            drawLevel(20);
        } else if (step == QStringLiteral("keep")) {
            // "Nein" before the dialog: no dialog, the painted map stays.
            const auto painted = form_->map();
            click("Button7");
            QVERIFY(form_->map() == painted);
        } else {
            seams_.fileAnswers << QStringLiteral("l.lvl");
            seams_.answers << true;
            click(step == QStringLiteral("save") ? "Speichern" : "Button7");
            seams_.answers.clear();
        }
    }
    QVERIFY(seams_.fileAnswers.isEmpty());
    seams_.answers << row.yes;
    QTest::keyClick(child<cLevelCanvas>("Image1"), Qt::Key_Escape);
    tavrio::test::checkUnsavedClose(seams_, row, form_.get(), opener);
}

void tst_LevelEditor::saveChecksTheCounts_data()
{
    QTest::addColumn<int>("letters");
    QTest::addColumn<QString>("message");
    QTest::newRow("19 letter fields") << 19 << kRefused;
    QTest::newRow("20 letter fields") << 20 << QStringLiteral("Gespeichert !");
    QTest::newRow("21 letter fields") << 21 << kRefused;
}

void tst_LevelEditor::saveChecksTheCounts()
{
    QFETCH(int, letters);
    QFETCH(QString, message);
    drawLevel(letters);
    seams_.fileAnswers << QStringLiteral("Meer");
    click("Speichern");
    QCOMPARE(seams_.messages, QStringList{message});
    QCOMPARE(FileExists("Meer.lvl"), message != kRefused);
}

void tst_LevelEditor::saveNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("message");
    QTest::newRow("no dot gets .lvl") << "Meer" << "Meer.lvl" << "Gespeichert !";
    QTest::newRow("with .lvl") << "Meer.lvl" << "Meer.lvl" << "Gespeichert !";
    QTest::newRow("other ending kept") << "Meer.txt" << "Meer.txt" << "Gespeichert !";
    QTest::newRow("dot in a directory") << "ab.c/Meer" << "ab.c/Meer" << "Gespeichert !";
    QTest::newRow("cancelled") << "" << "" << "NICHT gespeichert !";
    QTest::newRow("folder missing") << "fehlt/Meer" << "" << "NICHT gespeichert !";
    QTest::newRow("name outside Windows-1252")
        << QStringLiteral("Meer\u0416") << "" << tavrio::unsupportedNameMessage(QStringLiteral("Meer\u0416"));
}

void tst_LevelEditor::saveNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, message);
    std::filesystem::create_directory("ab.c");
    drawLevel(20);
    child<QLineEdit>("Name")->setText(QStringLiteral("Meine Welt"));
    seams_.fileAnswers << chosen;
    click("Speichern");
    QCOMPARE(seams_.messages, QStringList{message});
    if (written.isEmpty())
        return;
    QCOMPARE(child<QLineEdit>("Dateiname")->text(), written);
    std::string bytes;
    QVERIFY(ReadFileBytes(written.toStdString(), bytes));
    QCOMPARE(bytes, formatLevel(form_->map(), "Meine Welt"));
    QVERIFY(!FileExists(written.toStdString() + ".tmp"));
}

void tst_LevelEditor::loadMessages_data()
{
    const cLevelMap level = [] {
        cLevelMap m = editorFrame();
        m.set(3, 3, kStart);
        m.set(20, 3, kExit);
        for (int k = 0; k < 20; ++k)
            m.set(2 + k, 6, kLetterField);
        return m;
    }();
    const std::string good = formatLevel(level, "Insel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("counts");
    QTest::newRow("good") << "l.lvl" << QByteArray::fromStdString(good) << "Geladen !" << "Insel" << "1 20 1";
    QTest::newRow("ten lines") << "l.lvl" << QByteArray::fromStdString(good.substr(0, 10 * 26))
                               << "Es sind Fehler beim Laden aufgetreten!24,11" << "Keiner" << "1 20 1";
    QTest::newRow("no name") << "l.lvl" << QByteArray::fromStdString(good.substr(0, 14 * 26))
                             << "Es sind Fehler beim Laden aufgetreten!24,15" << "Keiner" << "1 20 1";
    QTest::newRow("empty") << "l.lvl" << QByteArray() << "Es sind Fehler beim Laden aufgetreten!24,1" << "Keiner"
                           << "0 0 0";
    QTest::newRow("binary") << "l.lvl" << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                            << "Es sind Fehler beim Laden aufgetreten!24,1" << "Keiner" << "0 0 0";
    QTest::newRow("short row 6") << "l.lvl"
                                 << QByteArray::fromStdString(good.substr(0, 5 * 26) + "2555\r\n" + good.substr(6 * 26))
                                 << "Es sind Fehler beim Laden aufgetreten!24,6" << "Keiner" << "1 3 1";
    QTest::newRow("oversized") << "l.lvl" << QByteArray::fromStdString(good + std::string(70000, '0'))
                               << "Es sind Fehler beim Laden aufgetreten!24,1" << "Keiner" << "0 0 0";
    QTest::newRow("cancelled") << "" << QByteArray() << "NICHT geladen !" << "Keiner" << "0 0 0";
    QTest::newRow("missing") << "fehlt.lvl" << QByteArray() << "Datei nicht gefunden. NICHT geladen !" << "Keiner"
                             << "0 0 0";
}

void tst_LevelEditor::loadMessages()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, name);
    QFETCH(QString, counts);
    tavrio::test::cTempSession::writeFile("l.lvl", bytes.toStdString());
    seams_.fileAnswers << answer;
    click("Button7");
    QCOMPARE(seams_.messages, QStringList{message});
    QCOMPARE(child<QLineEdit>("Name")->text(), name);
    QCOMPARE(child<QLabel>("AnzahlTavrio")->text() + " " + child<QLabel>("AnzahlABC")->text() + " "
                 + child<QLabel>("AnzahlEnde")->text(),
             counts);
    // Whatever was read, the frame stays whole and the map draws.
    const cLevelMap frame = editorFrame();
    for (int cell = 1; cell <= kCells; ++cell)
        if (onFrame(cell))
            QCOMPARE(form_->map().at(cell), frame.at(cell));
    QVERIFY(!child<cLevelCanvas>("Image1")->image().isNull());
}

void tst_LevelEditor::savedLevelPlaysInBothGames()
{
    drawLevel(20);
    seams_.fileAnswers << QStringLiteral("Welt");
    click("Speichern");
    for (Game game : {Game::Seenot, Game::HilfPapa}) {
        const cLevelRound round = readLevel("Welt.lvl", letterSet("Haus"), game);
        QVERIFY(round.fromFile);
        QCOMPARE(round.playerPos, cellNumber(3, 3));
        QCOMPARE(round.exitPos, cellNumber(20, 3));
        QCOMPARE(round.levelName, std::string("Keiner"));
    }
}

void tst_LevelEditor::startLevelBesideTheProgramIsPlayable()
{
    std::string bytes;
    QVERIFY(ReadFileBytes(qEnvironmentVariable("TAVRIO_RUNTIME_DIR").toStdString() + "/Start.lvl", bytes));
    cLevelMap map;
    QVERIFY(loadEditorLevel(bytes, map).ok);
    QVERIFY(saveable(map));
    QCOMPARE(formatLevel(map, "Start"), bytes);
    for (Game game : {Game::Seenot, Game::HilfPapa})
        QVERIFY(readLevelBytes(bytes, letterSet("Haus"), game).fromFile);
}

QTEST_MAIN(tst_LevelEditor)
#include "LevelEditorTest.moc"
