// The exercise windows driven by object name, with a scripted message seam
// and a real session in a temporary working directory.
#include "HelpShown.h"
#include "TempSession.h"
#include "NamedChild.h"
#include "NamedText.h"
#include "ScriptedSeams.h"

#include "engine/Files.h"
#include "engine/Random.h"
#include "engine/Session.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/wordsearch/LetterGrid.h"
#include "exercises/wordsearch/TForm14.h"
#include "ui/HelpWindow.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using tavrio::test::cTempSession;
using tavrio::test::cWordPairs;

namespace {

// Records what a window showed at the moment it became visible.
class cShowSpy : public QObject {
public:
    cShowSpy(QWidget* w, QString edit, QString button)
        : edit_(std::move(edit)), button_(std::move(button))
    {
        w->installEventFilter(this);
    }
    QString editAtShow;
    QString buttonAtShow;
    bool shown = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !shown) {
            shown = true;
            auto* w = static_cast<QWidget*>(o);
            editAtShow = w->findChild<QLineEdit*>(edit_)->text();
            buttonAtShow = w->findChild<QPushButton*>(button_)->text();
        }
        return false;
    }

private:
    QString edit_;
    QString button_;
};

template <class T>
T* child(QWidget* w, const char* name)
{
    return tavrio::test::namedChild<T>(w, QString::fromLatin1(name));
}

QString text(QWidget* w, const char* name) { return tavrio::test::namedText(w, QString::fromLatin1(name)); }

} // namespace

class tst_ExerciseWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void counterReadsNonNumberAsZero_data();
    void counterReadsNonNumberAsZero();
    void backgroundLoadedOnShowAndReleasedOnClose();
    void wordSearchGridPaintedOnlyOnceShown();
    void helpButtonShowsTheExercisePicture_data();
    void helpButtonShowsTheExercisePicture();
    void cribFollowsItsEnabledState_data();
    void cribFollowsItsEnabledState();

    void singleQueryRunsOnAThreeLineFile();
    void singleQueryRefusesUnusableFiles_data();
    void singleQueryRefusesUnusableFiles();
    void singleQueryAsksTheOnlySelectedEntry();
    void singleQueryBackLeadsToItsOpenerElseTheEntrance();

    void wordSearchFromTheAtticPlaysAndSolves();
    void wordSearchOneLetterWordWinsWithOneClick_data();
    void wordSearchOneLetterWordWinsWithOneClick();
    void wordSearchWithoutUsableWordsSaysSo_data();
    void wordSearchWithoutUsableWordsSaysSo();

    void hiddenFromTheGardenStartsAFreshGame();
    void hiddenMoves_data();
    void hiddenMoves();
    void hiddenTwentiethSweetWins();
    void hiddenWithoutWordsRecordsNothing();

    void backToTheRoomSavesTheProfileAndTellsAFailureOnce();

private:
    void useWords(const cWordPairs& pairs);
    QWidget* makeRoom();
    int sweetCell(bool sweet) const;
    void dig(int k, bool rightAnswer);

    tavrio::test::ScriptedSeams seams_;
    std::unique_ptr<cTempSession> temp_;
    std::unique_ptr<QWidget> room_;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm14* form14_ = nullptr;
};

void tst_ExerciseWindows::initTestCase()
{
    seams_.install();
    tavrio::windows().form15 = new TForm15;
    form4_ = new TForm4;
    form5_ = new TForm5;
    form14_ = new TForm14;
    tavrio::windows().form4 = form4_;
    tavrio::windows().form5 = form5_;
    tavrio::windows().form14 = form14_;
}

void tst_ExerciseWindows::init() { seams_.clear(); }

void tst_ExerciseWindows::cleanup()
{
    for (QWidget* w : std::initializer_list<QWidget*>{form4_, form5_, form14_})
        w->hide();
    room_.reset();
    tavrio::setSession(nullptr);
    temp_.reset();
}

void tst_ExerciseWindows::useWords(const cWordPairs& pairs)
{
    temp_ = std::make_unique<cTempSession>(pairs);
    // The pictures live in the generated runtime directory.
    const QByteArray runtime = qgetenv("TAVRIO_RUNTIME_DIR");
    for (const char* dir : {"BG", "Hilfe", "Images"}) {
        std::error_code ec;
        std::filesystem::create_directory_symlink(std::filesystem::path(runtime.toStdString()) / dir, dir, ec);
    }
    tavrio::setSession(std::move(temp_->session));
}

QWidget* tst_ExerciseWindows::makeRoom()
{
    room_ = std::make_unique<QWidget>();
    room_->show();
    return room_.get();
}

// ---- the frame -------------------------------------------------------------

void tst_ExerciseWindows::counterReadsNonNumberAsZero_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << "12" << 12;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("message text") << "Datei existiert nicht" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("number with letters") << "7a" << 0;
}

void tst_ExerciseWindows::counterReadsNonNumberAsZero()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    cCounterField c(QStringLiteral("woerter"), nullptr);
    c.setText(stored);
    QCOMPARE(c.value(), value);
    if (value < 2147483647) {
        c.increment();
        QCOMPARE(c.text(), QString::number(value + 1));
    }
}

void tst_ExerciseWindows::backgroundLoadedOnShowAndReleasedOnClose()
{
    useWords({{"Haus", "house"}});
    auto* bg = child<QLabel>(form14_, "Image1");
    form14_->show();
    QVERIFY(!bg->pixmap().isNull());
    QCOMPARE(bg->size(), QSize(800, 600));
    form14_->close();
    QVERIFY(bg->pixmap().isNull());
    QCOMPARE(bg->size(), QSize(1, 1));
}

void tst_ExerciseWindows::wordSearchGridPaintedOnlyOnceShown()
{
    // Built at start-up, the grid loads no letter picture; showing it paints
    // every cell (the "*" picture or its drawn stand-in).
    TForm14 fresh;
    const QImage& grid = static_cast<cLetterGrid*>(child<QWidget>(&fresh, "feld"))->image();
    QImage blank(grid.size(), grid.format());
    blank.fill(Qt::white);
    QCOMPARE(grid, blank);
    fresh.show();
    for (const QPoint cell : {QPoint(10, 10), QPoint(150, 150), QPoint(290, 290)}) {
        bool drawn = false;
        for (int y = cell.y() - 10; y < cell.y() + 10 && !drawn; ++y)
            for (int x = cell.x() - 10; x < cell.x() + 10 && !drawn; ++x)
                drawn = grid.pixel(x, y) != blank.pixel(x, y);
        QVERIFY2(drawn, qPrintable(QStringLiteral("cell at %1,%2 blank").arg(cell.x()).arg(cell.y())));
    }
}

void tst_ExerciseWindows::helpButtonShowsTheExercisePicture_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::newRow("word search") << "TForm14" << "Button3" << "Hilfe\\Woertersuchen.bmp";
    QTest::newRow("hidden, but where") << "TForm5" << "Button5" << "Hilfe\\Verstecktaberwo.bmp";
}

void tst_ExerciseWindows::helpButtonShowsTheExercisePicture()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QWidget* w = window == "TForm5" ? static_cast<QWidget*>(form5_) : form14_;
    w->show();
    QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
    tavrio::test::checkHelpShownOver(w, picture);
}

void tst_ExerciseWindows::cribFollowsItsEnabledState_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("expectedEdit");
    QTest::newRow("single query") << "TForm4" << "richtiguebersetzt";
    QTest::newRow("hidden, but where") << "TForm5" << "richtiguebersetzt";
    QTest::newRow("word search") << "TForm14" << "uebersetzt";
}

void tst_ExerciseWindows::cribFollowsItsEnabledState()
{
    QFETCH(QString, window);
    QFETCH(QString, expectedEdit);
    useWords({{"Haus", "house"}});
    cExerciseWindow* w = window == "TForm4" ? static_cast<cExerciseWindow*>(form4_)
                         : window == "TForm5" ? static_cast<cExerciseWindow*>(form5_)
                                              : form14_;
    auto* crib = child<QPushButton>(w, "Spicker");
    w->show();
    QVERIFY(!crib->isEnabled());

    // Nothing to scramble yet: no message, no hang.
    w->findChild<QLineEdit*>(expectedEdit)->clear();
    w->setCribEnabled(true);
    QVERIFY(crib->isEnabled());
    QTest::mouseClick(crib, Qt::LeftButton);
    QVERIFY(seams_.messages.isEmpty());

    w->findChild<QLineEdit*>(expectedEdit)->setText(QStringLiteral("Haus"));
    QTest::mouseClick(crib, Qt::LeftButton);
    QCOMPARE(seams_.messages.size(), 1);
    QString letters = seams_.messages.first();
    std::sort(letters.begin(), letters.end());
    QCOMPARE(letters, QStringLiteral("Hasu"));

    w->setCribEnabled(false);
    QVERIFY(!crib->isEnabled());
    QVERIFY(!w->cribEnabled());
}

// ---- single query ----------------------------------------------------------

void tst_ExerciseWindows::singleQueryRunsOnAThreeLineFile()
{
    useWords({});
    cTempSession::writeFile("einzel.vok", "Haus\r\nhouse\r\n1\r\nBaum\r\ntree\r\n0\r\nHund\r\ndog\r\n1hUnt\r\n");
    form4_->setFileName(QStringLiteral("einzel.vok"));
    auto* fehler = child<QLabel>(form4_, "fehler");
    auto* answer = child<QLineEdit>(form4_, "Uebersetzt");
    form4_->show();
    const int answeredBefore = text(form4_, "woerter").toInt();
    const int wrongBefore = text(form4_, "falsch").toInt();

    QTest::mouseClick(child<QPushButton>(form4_, "Button2"), Qt::LeftButton);
    QCOMPARE(text(form4_, "Button2"), QStringLiteral("Nächstes Wort"));
    QVERIFY(text(form4_, "Orginal") == "Haus" || text(form4_, "Orginal") == "Hund");
    QCOMPARE(text(form4_, "woerter").toInt(), answeredBefore);
    QVERIFY(seams_.messages.isEmpty());

    // Return hands the right answer in.
    answer->setText(text(form4_, "richtiguebersetzt"));
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(text(form4_, "Richtigwartext"), QStringLiteral("!"));
    QCOMPARE(text(form4_, "woerter").toInt(), answeredBefore + 1);
    QCOMPARE(text(form4_, "falsch").toInt(), wrongBefore);
    QVERIFY(answer->text().isEmpty());

    // A trailing blank makes the answer wrong.
    const QString expected = text(form4_, "richtiguebersetzt");
    answer->setText(expected + " ");
    QTest::mouseClick(child<QPushButton>(form4_, "Button2"), Qt::LeftButton);
    QCOMPARE(text(form4_, "Richtigwartext"), "war, " + expected);
    QCOMPARE(text(form4_, "falsch").toInt(), wrongBefore + 1);
    QVERIFY(fehler->text().endsWith(QStringLiteral("%1 falsch von %2 !").arg(wrongBefore + 1).arg(answeredBefore + 2)));
    QVERIFY(qAbs(fehler->x() + fehler->width() / 2 - 308) <= 1);
}

void tst_ExerciseWindows::singleQueryRefusesUnusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << "Datei existiert NICHT";
    QTest::newRow("nothing selected") << QByteArray("a\r\nb\r\n0\r\n")
                                      << "Datei kann nicht verwendet werden (nichts angewählt)!";
    QTest::newRow("letter flag") << QByteArray("a\r\nb\r\nx\r\nc\r\nd\r\n1\r\n")
                                 << "Datei kann nicht verwendet werden (falsches Dateiformat)!";
    QTest::newRow("empty flag") << QByteArray("a\r\nb\r\n\r\n")
                                << "Datei kann nicht verwendet werden (falsches Dateiformat)!";
}

void tst_ExerciseWindows::singleQueryRefusesUnusableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    useWords({});
    if (!content.isEmpty())
        cTempSession::writeFile("liste.vok", content.toStdString());
    form4_->setFileName(QStringLiteral("liste.vok"));
    child<QPushButton>(form4_, "Button2")->setText(QStringLiteral("Start"));
    form4_->show();
    QTest::mouseClick(child<QPushButton>(form4_, "Button2"), Qt::LeftButton);
    QCOMPARE(seams_.messages, QStringList{message});
    QCOMPARE(text(form4_, "Button2"), QStringLiteral("Start"));
    if (content.isEmpty()) {
        QCOMPARE(text(form4_, "falsch"), QStringLiteral("Datei existiert nicht"));
        // The counter reads 0 from then on.
        cTempSession::writeFile("liste.vok", "a\r\nb\r\n1\r\n");
        QTest::mouseClick(child<QPushButton>(form4_, "Button2"), Qt::LeftButton);
        QVERIFY(text(form4_, "fehler").contains(QStringLiteral(" 0 falsch von ")));
    }
}

void tst_ExerciseWindows::singleQueryAsksTheOnlySelectedEntry()
{
    useWords({});
    cTempSession::writeFile("letzte.vok", "a\r\nA\r\n0\r\nb\r\nB\r\n01\r\nc\r\nC\r\n10\r\n");
    form4_->setFileName(QStringLiteral("letzte.vok"));
    child<QPushButton>(form4_, "Button2")->setText(QStringLiteral("Start"));
    form4_->show();
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(child<QPushButton>(form4_, "Button2"), Qt::LeftButton);
        QCOMPARE(text(form4_, "Orginal"), QStringLiteral("c"));
        QCOMPARE(text(form4_, "richtiguebersetzt"), QStringLiteral("C"));
    }
    QVERIFY(seams_.messages.isEmpty());
}

void tst_ExerciseWindows::singleQueryBackLeadsToItsOpenerElseTheEntrance()
{
    form4_->show();
    QTest::mouseClick(child<QPushButton>(form4_, "Button1"), Qt::LeftButton);
    QVERIFY(!form4_->isVisible());

    // "Zurück" leads to the window that opened it; shown by no window, to
    // the entrance screen.
    QWidget* entrance = makeRoom();
    entrance->setEnabled(false);
    tavrio::windows().entrance = entrance;
    form4_->show();
    QTest::mouseClick(child<QPushButton>(form4_, "Button1"), Qt::LeftButton);
    QVERIFY(entrance->isVisible() && entrance->isEnabled());
    entrance->setEnabled(false);
    QWidget opener;
    form4_->openFrom(&opener);
    QTest::mouseClick(child<QPushButton>(form4_, "Button1"), Qt::LeftButton);
    tavrio::windows().entrance = nullptr;
    QVERIFY(!form4_->isVisible());
    QVERIFY(opener.isVisible() && opener.isEnabled());
    QVERIFY(!entrance->isEnabled());
}

// ---- word search -----------------------------------------------------------

void tst_ExerciseWindows::wordSearchFromTheAtticPlaysAndSolves()
{
    useWords({{"Haus", "house"}});
    QWidget* attic = makeRoom();
    child<QPushButton>(form14_, "Button2")->setText(QStringLiteral("Auflösen"));
    cShowSpy spy(form14_, QStringLiteral("Orginal"), QStringLiteral("Button2"));
    tavrio::openWordSearch(attic);

    QVERIFY(spy.shown);
    QCOMPARE(spy.editAtShow, QStringLiteral("Haus"));
    QCOMPARE(spy.buttonAtShow, QStringLiteral("Auflösen"));
    QVERIFY(!attic->isEnabled());
    QVERIFY(form14_->isVisible() && form14_->isEnabled());

    auto* feld = child<QWidget>(form14_, "feld");
    const auto& puzzle = form14_->puzzle();
    auto centre = [&](int k) {
        const auto c = puzzle.path(k);
        return QPoint((c.column - 1) * 20 + 10, (c.row - 1) * 20 + 10);
    };
    // The cell under the pointer is highlighted; none outside the cells.
    auto* grid = static_cast<cLetterGrid*>(feld);
    auto moveTo = [&](QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, feld->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &move);
    };
    moveTo(QPoint(45, 65));
    QCOMPARE(QPoint(grid->hoverColumn(), grid->hoverRow()), QPoint(3, 4));
    QCOMPARE(text(form14_, "mousex"), QStringLiteral("45"));
    moveTo(QPoint(305, 65));
    QCOMPARE(QPoint(grid->hoverColumn(), grid->hoverRow()), QPoint(0, 0));

    // A miss is not counted, the first letter shows "Anfang".
    QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(310, 310));
    QVERIFY(seams_.messages.isEmpty());
    QTest::mouseClick(feld, Qt::LeftButton, {}, centre(1));
    QCOMPARE(seams_.messages, QStringList{"Anfang gefunden !"});
    QVERIFY(!child<QLabel>(form14_, "Anfang")->isHidden());

    const int before = tavrio::session()->GetScore("Haus", "house");
    QTest::mouseClick(feld, Qt::LeftButton, {}, centre(5));
    QCOMPARE(seams_.messages,
             (QStringList{"Anfang gefunden !", "Ende gefunden !", "GEWONNEN !!! Du hast house gefunden !"}));
    QVERIFY(tavrio::session()->GetScore("Haus", "house") > before);
    // The next round started at once.
    QCOMPARE(text(form14_, "Button2"), QStringLiteral("Auflösen"));
    QVERIFY(child<QLabel>(form14_, "Anfang")->isHidden());
    QVERIFY(child<QLabel>(form14_, "Ende")->isHidden());

    // Solving shows only the word's cells and stops the round.
    const QPoint first = centre(1);
    QTest::mouseClick(child<QPushButton>(form14_, "Button2"), Qt::LeftButton);
    QCOMPARE(text(form14_, "Button2"), QStringLiteral("Start"));
    // Only the word's cells keep letters; a backward word reads mirrored.
    QString along;
    for (int k = 1; k <= 5; ++k)
        along += QChar(puzzle.at(puzzle.path(k)));
    QVERIFY2(along == "HOUSE" || along == "ESUOH", qPrintable(along));
    QTest::mouseClick(feld, Qt::LeftButton, {}, first);
    QCOMPARE(seams_.messages.size(), 3);

    QTest::mouseClick(child<QPushButton>(form14_, "Button1"), Qt::LeftButton);
    QVERIFY(!form14_->isVisible());
    QVERIFY(attic->isEnabled() && attic->isVisible());
}

void tst_ExerciseWindows::wordSearchOneLetterWordWinsWithOneClick_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("arrows and Return") << true;
}

void tst_ExerciseWindows::wordSearchOneLetterWordWinsWithOneClick()
{
    QFETCH(bool, keyboard);
    useWords({{"ich", "i"}});
    tavrio::openWordSearch(makeRoom());
    const auto c = form14_->puzzle().path(1);
    auto* feld = child<QWidget>(form14_, "feld");
    if (keyboard) {
        // The keyboard's cell starts at the top left; the edges hold it.
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Left})
            QTest::keyClick(feld, key);
        for (int i = 1; i < c.column; ++i)
            QTest::keyClick(feld, Qt::Key_Right);
        for (int i = 1; i < c.row; ++i)
            QTest::keyClick(feld, Qt::Key_Down);
        QTest::keyClick(feld, Qt::Key_Return);
    } else {
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint((c.column - 1) * 20 + 3, (c.row - 1) * 20 + 17));
    }
    QCOMPARE(seams_.messages, (QStringList{"Anfang gefunden !", "Ende gefunden !", "GEWONNEN !!! Du hast i gefunden !"}));
}

void tst_ExerciseWindows::wordSearchWithoutUsableWordsSaysSo_data()
{
    QTest::addColumn<bool>("anyWords");
    QTest::addColumn<QString>("message");
    QTest::newRow("no words loaded") << false << "Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!";
    QTest::newRow("only long translations")
        << true << "Keine passende Vokabel gefunden: Die Übersetzungen sind leer oder länger als 15 Zeichen.";
}

void tst_ExerciseWindows::wordSearchWithoutUsableWordsSaysSo()
{
    QFETCH(bool, anyWords);
    QFETCH(QString, message);
    useWords(anyWords ? cWordPairs{{"lang", "Sechzehn Zeichen"}} : cWordPairs{});
    tavrio::openWordSearch(makeRoom());
    QCOMPARE(seams_.messages, QStringList{message});
    QCOMPARE(text(form14_, "Button2"), QStringLiteral("Start"));
    QVERIFY(text(form14_, "uebersetzt").isEmpty());
    QCOMPARE(form14_->puzzle().length(), 0);
}

// ---- "Versteckt, aber wo?" -------------------------------------------------

int tst_ExerciseWindows::sweetCell(bool sweet) const
{
    using tavrio::hidden::CellState;
    for (int k = 1; k <= tavrio::hidden::kCells; ++k) {
        if (form5_->field().state(k) == (sweet ? CellState::Sweet : CellState::Nothing))
            return k;
    }
    return 0;
}

void tst_ExerciseWindows::dig(int k, bool rightAnswer)
{
    const QString expected = text(form5_, "richtiguebersetzt");
    child<QLineEdit>(form5_, "Uebersetzt")->setText(rightAnswer ? expected : expected + "x");
    QTest::mouseClick(child<QLabel>(form5_, QStringLiteral("Image%1").arg(k).toLatin1().constData()), Qt::LeftButton);
}

void tst_ExerciseWindows::hiddenFromTheGardenStartsAFreshGame()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    QWidget* garden = makeRoom();
    cShowSpy spy(form5_, QStringLiteral("Uebersetzt"), QStringLiteral("Button2"));
    tavrio::openHiddenButWhere(garden);

    QCOMPARE(spy.editAtShow, QStringLiteral("Hier die Übersetzung eingeben!"));
    QCOMPARE(spy.buttonAtShow, QStringLiteral("Nächstes Wort"));
    QVERIFY(!garden->isEnabled());
    QCOMPARE(form5_->focusWidget(), child<QLineEdit>(form5_, "Uebersetzt"));
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("0"));
    QCOMPARE(text(form5_, "uebrig"), QStringLiteral("20"));
    QCOMPARE(text(form5_, "Erfolg"), QStringLiteral("Erfolg deiner Buddlungen"));
    QVERIFY(text(form5_, "Orginal") == "Haus" || text(form5_, "Orginal") == "Baum");
    QCOMPARE(form5_->field().count(tavrio::hidden::CellState::Sweet), 20);
    QVERIFY(seams_.messages.isEmpty());
    // The placeholder answer of the reset is no word of the learner: a wrong
    // answer would be recorded under the expected "Uebersetzung*".
    for (const char* answer : {"Uebersetzung*", "Uebersetzung"})
        QVERIFY2(!tavrio::session()->HasStatistic("Orginal", answer), answer);

    dig(1, false);
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("1"));

    // By keyboard: arrows move across the field, Return digs.
    child<QWidget>(form5_, "Image1")->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_Right})
        QTest::keyClick(form5_->focusWidget(), key);
    QCOMPARE(form5_->focusWidget(), child<QWidget>(form5_, "Image13"));
    QTest::keyClick(form5_->focusWidget(), Qt::Key_Return);
    QCOMPARE(text(form5_, "feldnummer"), QStringLiteral("13"));
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("2"));

    QTest::mouseClick(child<QPushButton>(form5_, "Button1"), Qt::LeftButton);
    QVERIFY(!form5_->isVisible());
    QVERIFY(garden->isEnabled() && garden->isVisible());
}

void tst_ExerciseWindows::hiddenMoves_data()
{
    QTest::addColumn<bool>("sweet");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("erfolg");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("left");
    QTest::newRow("right answer on a sweet") << true << true << false << "Eingabe korrekt ... Treffer" << "Treffer" << "19";
    QTest::newRow("right answer on nothing") << false << true << false << "Eingabe korrekt ... daneben" << "Daneben" << "20";
    QTest::newRow("right answer on a dug cell") << true << true << true << "Eingabe korrekt ... " << "Treffer" << "19";
    QTest::newRow("wrong answer on a sweet") << true << false << false << "" << "wasser" << "20";
}

void tst_ExerciseWindows::hiddenMoves()
{
    QFETCH(bool, sweet);
    QFETCH(bool, right);
    QFETCH(bool, twice);
    QFETCH(QString, erfolg);
    QFETCH(QString, picture);
    QFETCH(QString, left);
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    tavrio::openHiddenButWhere(makeRoom());
    const int k = sweetCell(sweet);
    const QString expected = text(form5_, "richtiguebersetzt");
    dig(k, right);
    if (twice)
        dig(k, true);
    if (right)
        QCOMPARE(text(form5_, "Erfolg"), erfolg);
    else
        QCOMPARE(text(form5_, "Erfolg"),
                 "Maschine funktioniert nicht! Grund falsche Eingabe \n(Richtig wäre :" + expected + ")!");
    QCOMPARE(child<QLabel>(form5_, QStringLiteral("Image%1").arg(k).toLatin1().constData())->property("picture").toString(),
             picture);
    QCOMPARE(text(form5_, "uebrig"), left);
    QCOMPARE(text(form5_, "Versuchetext"), QString::number(twice ? 2 : 1));
    QVERIFY(text(form5_, "Uebersetzt").isEmpty());
}

void tst_ExerciseWindows::hiddenTwentiethSweetWins()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    tavrio::openHiddenButWhere(makeRoom());
    for (int found = 0; found < 19; ++found)
        dig(sweetCell(true), true);
    QCOMPARE(text(form5_, "uebrig"), QStringLiteral("1"));
    QVERIFY(seams_.messages.isEmpty());
    dig(sweetCell(true), true);

    QCOMPARE(seams_.messages, QStringList{"GEWONNEN !!!"});
    QCOMPARE(text(form5_, "Erfolg"), QStringLiteral("GEWONNEN !!!"));
    QCOMPARE(text(form5_, "uebrig"), QStringLiteral("20"));
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("0"));
    QCOMPARE(form5_->field().count(tavrio::hidden::CellState::Sweet), 20);
    QCOMPARE(form5_->field().count(tavrio::hidden::CellState::Dug), 0);
    for (int k = 1; k <= tavrio::hidden::kCells; ++k)
        QCOMPARE(child<QLabel>(form5_, QStringLiteral("Image%1").arg(k).toLatin1().constData())->property("picture").toString(),
                 QStringLiteral("wasser"));
    QVERIFY(!text(form5_, "Orginal").isEmpty());
    dig(sweetCell(false), true);
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("1"));
}

void tst_ExerciseWindows::hiddenWithoutWordsRecordsNothing()
{
    useWords({});
    tavrio::openHiddenButWhere(makeRoom());
    const QString noWords = QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!");
    QCOMPARE(seams_.messages, QStringList{noWords});
    dig(sweetCell(true), true);
    QCOMPARE(seams_.messages, (QStringList{noWords, noWords}));
    QCOMPARE(text(form5_, "Versuchetext"), QStringLiteral("0"));
    QCOMPARE(text(form5_, "uebrig"), QStringLiteral("20"));
    QVERIFY(text(form5_, "Orginal").isEmpty());
}

QTEST_MAIN(tst_ExerciseWindows)
// ---- Saving on the way back -------------------------------------------------

void tst_ExerciseWindows::backToTheRoomSavesTheProfileAndTellsAFailureOnce()
{
    useWords({{"Haus", "house"}, {"Baum", "tree"}});
    tavrio::openHiddenButWhere(makeRoom());
    dig(sweetCell(true), true);
    QTest::keyClick(form5_, Qt::Key_Escape);
    std::string stored;
    QVERIFY(ReadFileBytes("Test.pfl", stored));
    QVERIFY2(stored.size() > 5, "the answer reached the profile");
    QVERIFY(seams_.messages.isEmpty());

    // The temporary file cannot be made: told once, however often it fails.
    std::filesystem::create_directory("Test.pfl.tmp");
    for (int i = 0; i < 2; ++i) {
        tavrio::openHiddenButWhere(makeRoom());
        QTest::keyClick(form5_, Qt::Key_Escape);
    }
    QCOMPARE(seams_.messages, QStringList{QStringLiteral("Dein Lernstand konnte nicht gespeichert werden.")});
    std::filesystem::remove("Test.pfl.tmp");
    tavrio::openHiddenButWhere(makeRoom());
    QTest::keyClick(form5_, Qt::Key_Escape);
    QCOMPARE(seams_.messages.size(), 1);
}

#include "ExerciseWindowsTest.moc"
