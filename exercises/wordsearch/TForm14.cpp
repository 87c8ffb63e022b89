#include "exercises/wordsearch/TForm14.h"

#include "engine/Random.h"
#include "engine/Session.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/frame/WordDraw.h"
#include "exercises/wordsearch/LetterGrid.h"
#include "exercises/wordsearch/LetterPictures.h"
#include "ui/Assets.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

using namespace tavrio::wordsearch;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kSolve = QStringLiteral("Auflösen");

// The picture of list index `index`, or a plain drawn letter when the file
// is missing. Loaded each time (QPixmap caches the files), so pictures
// missing at start-up appear once they exist.
QPixmap letterPixmap(int index)
{
    QPixmap pm = tavrio::loadPicture(QString::fromStdString(letterPicture(index)));
    if (!pm.isNull())
        return pm;
    pm = QPixmap(kCellPixels, kCellPixels);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.drawText(pm.rect(), Qt::AlignCenter, QString::fromStdString(letterGlyph(index)));
    return pm;
}
} // namespace

TForm14::TForm14(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm14"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Wörter suchen"));
    addBackground(QStringLiteral("BG\\Wörtersuchen.bmp"));
    centreLabel(addLabel(QStringLiteral("Wörter suchen"), QPoint(0, 20), QStringLiteral("Titel"), 34), 400);

    int y = 120;
    for (const char* line : {"Heute wird die", "Übersetzung von :"}) {
        addLabel(QString::fromUtf8(line), QPoint(26, y), {}, 15);
        y += 22;
    }
    Orginal = new QLineEdit(this);
    Orginal->setObjectName(QStringLiteral("Orginal"));
    Orginal->setReadOnly(true);
    Orginal->setGeometry(26, y + 4, 200, 28);
    y += 50;
    for (const char* line : {"in den Richtungen", "diagonal, horizontal,", "vertikal gesucht.", "Achtung, sie kann",
                             "rückwärts geschrieben", "sein!", "Viel Spaß,", "beim Suchen!"}) {
        addLabel(QString::fromUtf8(line), QPoint(26, y), {}, 15);
        y += 22;
    }
    y = 140;
    for (const char* line : {"Hinweis :", "Alle Zeichen, außer", "den Buchstaben des", "Alphabets werden durch",
                             "andere Buchstaben", "ersetzt."}) {
        // 13 px keeps "Alphabets werden durch" inside the panel's frame.
        addLabel(QString::fromUtf8(line), QPoint(592, y), {}, 13);
        y += 20;
    }
    Anfang = addLabel(QStringLiteral("Anfang gefunden"), QPoint(590, 300), QStringLiteral("Anfang"), 18);
    Ende = addLabel(QStringLiteral("Ende gefunden"), QPoint(590, 330), QStringLiteral("Ende"), 18);
    for (QLabel* l : {Anfang, Ende}) {
        tavrio::setTextColour(l, Qt::red);
        l->hide();
    }

    feld = new cLetterGrid(this);
    feld->move(250, 120);
    connect(feld, &cLetterGrid::mouseMoved, this, &TForm14::feldMouseMove);
    connect(feld, &cLetterGrid::clicked, this, &TForm14::feldClick);
    mousex = new cCounterField(QStringLiteral("mousex"), this);
    mousey = new cCounterField(QStringLiteral("mousey"), this);
    mousex->hide();
    mousey->hide();
    uebersetzt = addHiddenEdit(QStringLiteral("uebersetzt"));

    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(330, 460, 150, 36);
    connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    addCrib(QRect(590, 400, 100, 32), uebersetzt);
    addHelpButton(QRect(20, 550, 100, 32), QStringLiteral("Hilfe\\Woertersuchen.bmp"));
    addBackButton(QRect(680, 550, 100, 32));
    addFileName(QPoint(250, 520));
}

void TForm14::showEvent(QShowEvent* event)
{
    // The letter pictures are loaded when the window is shown, not at start-up.
    if (!event->spontaneous())
        paintGrid();
    cExerciseWindow::showEvent(event);
}

void TForm14::paintGrid()
{
    for (int r = 1; r <= kSide; ++r)
        for (int c = 1; c <= kSide; ++c)
            feld->drawCell(c, r, letterPixmap(puzzle_.picture({c, r})));
    feld->update();
}

void TForm14::stopWithMessage(const QString& text)
{
    Button2->setText(kStart);
    Orginal->clear();
    uebersetzt->clear();
    original_.clear();
    translation_.clear();
    puzzle_.clearPath();
    puzzle_.setWord({});
    tavrio::showMessage(text);
}

void TForm14::startRound()
{
    Button2->setText(kSolve);
    std::string original;
    std::string translation;
    switch (tavrio::exercises::drawWordWhere(tavrio::session(), original, translation, &cWordSearch::fits)) {
    case tavrio::exercises::DrawResult::NoWords:
        stopWithMessage(QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!"));
        return;
    case tavrio::exercises::DrawResult::NoFitting:
        stopWithMessage(QStringLiteral("Keine passende Vokabel gefunden: Die Übersetzungen sind leer oder länger "
                                       "als 15 Zeichen."));
        return;
    case tavrio::exercises::DrawResult::Drawn:
        break;
    }
    original_ = original;
    translation_ = translation;
    Orginal->setText(tavrio::fromAnsi(original));
    uebersetzt->setText(tavrio::fromAnsi(translation));
    Randomize();
    Anfang->hide();
    Ende->hide();
    puzzle_.build(translation);
    paintGrid();
}

void TForm14::Button2Click()
{
    if (Button2->text() == kStart) {
        startRound();
        return;
    }
    Button2->setText(kStart);
    puzzle_.solve();
    paintGrid();
}

void TForm14::feldMouseMove(int x, int y)
{
    mousex->setValue(x);
    mousey->setValue(y);
}

void TForm14::feldClick()
{
    if (Button2->text() != kSolve)
        return;
    const cMark m = puzzle_.mark(cWordSearch::cellAt(mousex->value(), mousey->value()));
    if (m.first) {
        Anfang->show();
        tavrio::showMessage(QStringLiteral("Anfang gefunden !"));
    }
    if (m.last) {
        Ende->show();
        tavrio::showMessage(QStringLiteral("Ende gefunden !"));
    }
    if (Anfang->isHidden() || Ende->isHidden())
        return;
    Anfang->hide();
    Ende->hide();
    Button2->setText(kStart);
    if (cSession* s = tavrio::session())
        s->IstDasRichtig(original_, translation_, translation_);
    tavrio::showMessage(QStringLiteral("GEWONNEN !!! Du hast ") + uebersetzt->text() + QStringLiteral(" gefunden !"));
    startRound();
}

namespace tavrio {
void openWordSearch(QWidget* room)
{
    openExercise(windows().form14, room, [](TForm14& form) {
        form.findChild<QPushButton*>(QStringLiteral("Button2"))->setText(kStart);
        form.Button2Click();
    });
}
} // namespace tavrio
