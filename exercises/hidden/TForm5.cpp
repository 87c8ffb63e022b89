#include "exercises/hidden/TForm5.h"

#include "engine/Random.h"
#include "engine/Session.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/frame/WordDraw.h"
#include "ui/Assets.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace tavrio::hidden;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kNext = QStringLiteral("Nächstes Wort");
const QString kWon = QStringLiteral("GEWONNEN !!!");
const QString kCorrect = QStringLiteral("Eingabe korrekt ... ");
const QString kWater = QStringLiteral("wasser");
const QString kHit = QStringLiteral("Treffer");
const QString kMiss = QStringLiteral("Daneben");

// A cell picture, or a plain coloured square when the file is missing.
QPixmap cellPicture(const QString& name, QColor fallback)
{
    QPixmap pm = tavrio::loadPicture(QStringLiteral("Images\\Verbuddelt Aber Wo\\") + name + QStringLiteral(".bmp"));
    if (pm.isNull()) {
        pm = QPixmap(kCellPixels, kCellPixels);
        pm.fill(fallback);
    }
    return pm;
}
} // namespace

TForm5::TForm5(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm5"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Versteckt, aber wo?"));
    addBackground(QStringLiteral("BG\\Verbuddeltaberwo.bmp"), QStringLiteral("Image122"));

    centreLabel(addLabel(QStringLiteral("Versteckt, aber wo?"), QPoint(0, 20), QStringLiteral("Titel"), 34), 400);
    addLabel(QStringLiteral("Original eingeben :"), QPoint(40, 130), {}, 16);
    Orginal = new QLineEdit(this);
    Orginal->setObjectName(QStringLiteral("Orginal"));
    Orginal->setReadOnly(true);
    Orginal->setGeometry(40, 155, 340, 28);
    addLabel(QStringLiteral("Übersetzung eingeben :"), QPoint(40, 200), {}, 16);
    Uebersetzt = new QLineEdit(this);
    Uebersetzt->setObjectName(QStringLiteral("Uebersetzt"));
    Uebersetzt->setGeometry(40, 225, 340, 28);
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    addLabel(QStringLiteral("dann auf ein Feld klicken,"), QPoint(40, 265), {}, 16);
    addLabel(QStringLiteral("und ab die Post"), QPoint(40, 288), {}, 16);

    Erfolg = addLabel(QStringLiteral("Erfolg deiner Buddlungen"), QPoint(40, 330), QStringLiteral("Erfolg"), 16);
    Erfolg->setWordWrap(true);
    Erfolg->setFixedSize(360, 60);
    addLabel(QStringLiteral("Bonbons übrig :"), QPoint(40, 410), {}, 16);
    uebrig = addLabel(QStringLiteral("20"), QPoint(200, 410), QStringLiteral("uebrig"), 16);
    uebrig->setFixedWidth(60);
    addLabel(QStringLiteral("Versuche :"), QPoint(40, 440), {}, 16);
    Versuchetext = addLabel(QStringLiteral("0"), QPoint(200, 440), QStringLiteral("Versuchetext"), 16);
    Versuchetext->setFixedWidth(60);
    versuche = new cCounterField(QStringLiteral("versuche"), this);
    versuche->hide();

    // The digging machine's name above it, the plate "2 0 0 0" on its body
    // (the body spans 460 .. 630 x 500 .. 545 of the background).
    addLabel(QStringLiteral("Buddelmaster"), QPoint(500, 436), {}, 22);
    int x = 500;
    for (const char* digit : {"2", "0", "0", "0"}) {
        addLabel(QString::fromLatin1(digit), QPoint(x, 504), {}, 22);
        x += 24;
    }
    QLabel* underline = addLabel(QString(), QPoint(495, 534));
    underline->setFixedSize(100, 3);
    tavrio::setBackground(underline, Qt::black);

    for (int k = 1; k <= kCells; ++k) {
        const cPoint at = cDigField::cellOrigin(k);
        auto* cell = new tavrio::cPictureArea(QStringLiteral("Image%1").arg(k),
                                              QRect(at.x, at.y, kCellPixels, kCellPixels), this);
        cell->setKeyReachable();
        connect(cell, &tavrio::cPictureArea::clicked, this, &TForm5::Button2Click);
        cells_[k - 1] = cell;
    }
    // The cells get their water pictures when a round starts (Button4Click).

    Button2 = new QPushButton(QStringLiteral("Imagesclick"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    Button3 = new QPushButton(QStringLiteral("Start2"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->hide();
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
    Button4 = new QPushButton(QStringLiteral("Anfangen"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->hide();
    connect(Button4, &QPushButton::clicked, this, &TForm5::Button4Click);
    addLabel(QStringLiteral("Kampf um Feld :"), QPoint(600, 80))->hide();
    feldnummer = addLabel(QStringLiteral("0"), QPoint(700, 80), QStringLiteral("feldnummer"));
    feldnummer->hide();

    addCrib(QRect(40, 500, 100, 32), richtiguebersetzt);
    addHelpButton(QRect(20, 555, 100, 32), QStringLiteral("Hilfe\\Verstecktaberwo.bmp"), QStringLiteral("Button5"));
    addBackButton(QRect(680, 555, 100, 32));
    addFileName(QPoint(250, 562));
}

void TForm5::setCell(int k, const QString& picture)
{
    tavrio::cPictureArea* cell = cells_[k - 1];
    // Loaded each time (QPixmap caches the files), so pictures missing at
    // start-up appear once they exist.
    const QColor fallback = picture == kHit    ? QColor(250, 200, 0)
                            : picture == kMiss ? QColor(140, 90, 40)
                                               : QColor(60, 140, 230);
    cell->setPixmap(cellPicture(picture, fallback));
    cell->setProperty("picture", picture);
}

void TForm5::fillWater()
{
    for (int k = 1; k <= kCells; ++k)
        setCell(k, kWater);
}

void TForm5::Button2Click()
{
    int k = 0;
    for (int i = 0; i < kCells; ++i) {
        if (sender() == cells_[i])
            k = i + 1;
    }
    move(k);
}

void TForm5::Button3Click()
{
    Randomize();
    field_.bury();
    Button3->hide();
}

void TForm5::Button4Click()
{
    uebrig->setText(QStringLiteral("20"));
    Versuchetext->setText(QStringLiteral("-1"));
    versuche->setValue(-1);
    Erfolg->setText(QStringLiteral("Erfolg deiner Buddlungen"));
    Orginal->setText(QStringLiteral("Orginal"));
    Uebersetzt->setText(QStringLiteral("Uebersetzung"));
    richtiguebersetzt->setText(QStringLiteral("Uebersetzung*"));
    // The placeholder is handed in below only to start the counter at 0;
    // it is not a word of any list and never reaches the profile.
    question_ = Question::Placeholder;
    fillWater();
    Button3Click();
    move(0);
}

void TForm5::move(int k)
{
    feldnummer->setText(QString::number(k));
    if (Button2->text() == kStart)
        fillWater();
    else if (question_ != Question::None)
        handIn(k);
    Button2->setText(kNext);
    drawNextWord();
}

void TForm5::handIn(int k)
{
    versuche->increment();
    Versuchetext->setText(QString::number(versuche->value()));
    const bool right = question_ == Question::Word && tavrio::session() &&
                       tavrio::session()->IstDasRichtig(original_, tavrio::toAnsi(Uebersetzt->text()), expected_);
    if (!right) {
        // The line break before "(Richtig wäre :" is a '\n': a QLabel shows
        // a carriage return as nothing.
        if (versuche->value() != 0)
            Erfolg->setText(QStringLiteral("Maschine funktioniert nicht! Grund falsche Eingabe \n(Richtig wäre :") +
                            richtiguebersetzt->text() + QStringLiteral(")!"));
        return;
    }
    if (versuche->value() != 0)
        Erfolg->setText(kCorrect);
    const DigResult dug = field_.dig(k);
    if (dug == DigResult::Hit) {
        const int left = uebrig->text().toInt() - 1;
        uebrig->setText(QString::number(left));
        if (left <= 0) {
            win();
            return;
        }
    }
    if (dug == DigResult::Hit) {
        Erfolg->setText(Erfolg->text() + kHit);
        setCell(k, kHit);
    } else if (dug == DigResult::Miss) {
        Erfolg->setText(Erfolg->text() + QStringLiteral("daneben"));
        setCell(k, kMiss);
    }
}

void TForm5::win()
{
    uebrig->setText(QStringLiteral("20"));
    versuche->setValue(0);
    Versuchetext->setText(QStringLiteral("0"));
    Button2->setText(kStart);
    Button3Click();
    move(0);
    Erfolg->setText(kWon);
    fillWater();
    tavrio::showMessage(kWon);
}

void TForm5::keyPressEvent(QKeyEvent* event)
{
    const auto at = std::find(cells_.begin(), cells_.end(), focusWidget());
    int dColumn = 0;
    int dRow = 0;
    switch (event->key()) {
    case Qt::Key_Left: dColumn = -1; break;
    case Qt::Key_Right: dColumn = 1; break;
    case Qt::Key_Up: dRow = -1; break;
    case Qt::Key_Down: dRow = 1; break;
    default: break;
    }
    if (at == cells_.end() || (dColumn == 0 && dRow == 0)) {
        cExerciseWindow::keyPressEvent(event);
        return;
    }
    const int k = static_cast<int>(at - cells_.begin()) + 1;
    cells_[static_cast<std::size_t>(cDigField::step(k, dColumn, dRow) - 1)]->setFocus(Qt::TabFocusReason);
    event->accept();
}

void TForm5::drawNextWord()
{
    std::string original;
    std::string translation;
    if (tavrio::exercises::drawWord(tavrio::session(), original, translation) == tavrio::exercises::DrawResult::Drawn) {
        question_ = Question::Word;
        original_ = original;
        expected_ = translation;
        Orginal->setText(tavrio::fromAnsi(original));
        richtiguebersetzt->setText(tavrio::fromAnsi(translation));
    } else {
        question_ = Question::None;
        original_.clear();
        expected_.clear();
        Orginal->clear();
        richtiguebersetzt->clear();
        tavrio::showMessage(QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!"));
    }
    Uebersetzt->clear();
    Uebersetzt->setFocus();
}

namespace tavrio {
void openHiddenButWhere(QWidget* room)
{
    QLineEdit* answer = nullptr;
    const bool opened = openExercise(windows().form5, room, [&answer](TForm5& form) {
        form.Button4Click();
        answer = form.findChild<QLineEdit*>(QStringLiteral("Uebersetzt"));
        answer->setText(QStringLiteral("Hier die Übersetzung eingeben!"));
    });
    if (!opened)
        return;
    answer->setFocus();
    answer->selectAll();
}
} // namespace tavrio
