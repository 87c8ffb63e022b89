#include "exercises/grandma/TForm16.h"

#include "engine/Session.h"
#include "exercises/frame/DrawMessage.h"
#include "exercises/frame/KeyArea.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/grandma/GrandmaLayout.h"
#include "exercises/grandma/GrandmaRules.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace L = tavrio::grandma::layout;
using namespace tavrio::grandma;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kCheck = QStringLiteral("Prüfen, ob richtig");
// Font sizes the constructor gives the shown letters and the result line,
// and the widths that keep them inside the panel and the result band around
// their centres.
constexpr int kLettersPixels = 22;
constexpr int kResultPixels = 18;
constexpr int kLettersWidth = 2 * (L::lettersCentre - L::panel.left()) - 24;
constexpr int kResultWidth = 2 * (L::resultCentre - L::resultBand.left()) - 24;

QPushButton* hiddenButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->hide();
    return b;
}
} // namespace

TForm16::TForm16(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm16"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Oma hilft"));
    addBackground(QStringLiteral("BG\\Omahilft.bmp"));
    centreLabel(addLabel(QStringLiteral("Oma hilft"), QPoint(0, 22), QStringLiteral("Titel"), 40), 400);

    const int left = L::panel.x() + 20;
    const int editWidth = L::panel.width() - 40;
    addLabel(QStringLiteral("So Tavrio, dann übersetze"), QPoint(left, 112), {}, 18);
    Orginal = new QLineEdit(this);
    Orginal->setObjectName(QStringLiteral("Orginal"));
    Orginal->setReadOnly(true);
    Orginal->setFocusPolicy(Qt::ClickFocus);
    Orginal->setGeometry(left, 140, editWidth, 34);

    addLabel(QStringLiteral("kleine Hilfe :"), QPoint(left, 196), {}, 18);
    Schlange = addLabel(QString(), QPoint(L::lettersCentre, L::lettersY), QStringLiteral("Schlange"), 22);
    Schlange->setTextFormat(Qt::PlainText);
    tavrio::setTextColour(Schlange, QColor(0xa0, 0x30, 0x7a));

    addLabel(QStringLiteral("Ich glaube es heißt,"), QPoint(left, 270), {}, 18);
    Uebersetzt = new QLineEdit(this);
    Uebersetzt->setObjectName(QStringLiteral("Uebersetzt"));
    Uebersetzt->setGeometry(left, 298, editWidth, 34);
    // Return hands the answer in, like Label7.
    connect(Uebersetzt, &QLineEdit::returnPressed, this, &TForm16::Button2Click);
    for (QLineEdit* e : {Orginal, Uebersetzt}) {
        QFont f = e->font();
        f.setPixelSize(20);
        tavrio::setFontWhenShown(e, f);
    }

    Label8 = new cKeyArea(QStringLiteral("Label8"), L::oneMoreLetter, this);
    Label8->setToolTip(QStringLiteral("einen Buchstaben mehr"));
    connect(Label8, &tavrio::cPictureArea::clicked, this, &TForm16::Button4Click);
    Label7 = new cKeyArea(QStringLiteral("Label7"), L::handIn, this);
    Label7->setToolTip(QStringLiteral("Prüfen, ob richtig"));
    connect(Label7, &tavrio::cPictureArea::clicked, this, &TForm16::Button2Click);

    addLabel(QStringLiteral("Punkte :"), QPoint(left, L::pointsY), {}, 18);
    Punkte = addLabel(QStringLiteral("0"), QPoint(left + 90, L::pointsY), QStringLiteral("Punkte"), 18);
    Punkte->setFixedWidth(120);
    punktewert = new cCounterField(QStringLiteral("punktewert"), this);
    punktewert->hide();

    ergebniss = addLabel(QString(), QPoint(L::resultCentre, L::resultY), QStringLiteral("ergebniss"), 18);
    ergebniss->setTextFormat(Qt::PlainText);

    auto* help = new cKeyArea(QStringLiteral("Button5"), L::help, this);
    help->setToolTip(QStringLiteral("Hilfe"));
    connect(help, &tavrio::cPictureArea::clicked, this, &TForm16::Button5Click);
    auto* back = new cKeyArea(QStringLiteral("Button1"), L::back, this);
    back->setToolTip(QStringLiteral("Zurück"));
    connect(back, &tavrio::cPictureArea::clicked, this, &TForm16::Button1Click);

    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    Button2 = hiddenButton(kStart, QStringLiteral("Button2"), this);
    connect(Button2, &QPushButton::clicked, this, &TForm16::Button2Click);
    Button3 = hiddenButton(QStringLiteral("Starten"), QStringLiteral("Button3"), this);
    connect(Button3, &QPushButton::clicked, this, &TForm16::Button3Click);
    Button4 = hiddenButton(QStringLiteral("einen Buchstaben mehr"), QStringLiteral("Button4"), this);
    connect(Button4, &QPushButton::clicked, this, &TForm16::Button4Click);
    addCounters();
    addFileName(QPoint(230, 552));

    setTabOrder(Uebersetzt, Label7);
    setTabOrder(Label7, Label8);
    setTabOrder(Label8, help);
    setTabOrder(help, back);
}

void TForm16::centre(QLabel* label, int x, int pixelSize, int maxWidth)
{
    fitFont(label, label->text(), pixelSize, maxWidth);
    label->adjustSize();
    label->move(centredLeft(x, label->width()), label->y());
}

void TForm16::Button2Click()
{
    const bool askOnly = Button2->text() == kStart;
    if (askOnly)
        Button2->setText(kCheck);
    Schlange->clear();
    cSession* session = tavrio::session();
    // With no word pending (none could be drawn) there is nothing to record.
    if (!askOnly && session && !richtiguebersetzt->text().isEmpty()) {
        woerter()->increment();
        const cAnswer a = handIn(*session, tavrio::toAnsi(Orginal->text()), tavrio::toAnsi(Uebersetzt->text()),
                                 tavrio::toAnsi(richtiguebersetzt->text()), punktewert->value());
        if (a.right)
            Punkte->setText(QString::number(Punkte->text().toInt() + a.points));
        else
            falsch()->increment();
        ergebniss->setText(tavrio::fromAnsi(a.result));
        centre(ergebniss, L::resultCentre, kResultPixels, kResultWidth);
    }

    std::string original;
    std::string translation;
    const tavrio::exercises::DrawResult drawn = drawQuestion(session, original, translation);
    Orginal->setText(tavrio::fromAnsi(original));
    richtiguebersetzt->setText(tavrio::fromAnsi(translation));
    punktewert->setValue(wordValue(translation));
    Uebersetzt->clear();
    Uebersetzt->setFocus();
    if (drawn != tavrio::exercises::DrawResult::Drawn)
        tavrio::showMessage(tavrio::exercises::drawFailureMessage(drawn));
}

void TForm16::Button3Click()
{
    Schlange->clear();
    Punkte->setText(QStringLiteral("0"));
    // A word left without an answer at the last visit is dropped rather than
    // counted as a wrong answer the learner never gave.
    if (Uebersetzt->text().isEmpty())
        richtiguebersetzt->clear();
    Button2Click();
    ergebniss->clear();
    punktewert->setValue(wordValue(tavrio::toAnsi(richtiguebersetzt->text())));
}

void TForm16::Button4Click()
{
    cHelp help{tavrio::toAnsi(Schlange->text()), punktewert->value()};
    help = oneMoreLetter(tavrio::toAnsi(richtiguebersetzt->text()), help);
    punktewert->setValue(help.value);
    Schlange->setText(tavrio::fromAnsi(help.shown));
    centre(Schlange, L::lettersCentre, kLettersPixels, kLettersWidth);
}

void TForm16::Button5Click() { tavrio::showHelp(QStringLiteral("Hilfe\\Omahilft.bmp")); }

namespace tavrio {
void openGrandmaHelps(QWidget* house)
{
    TForm16* w = windows().form16;
    if (openExercise(w, house, [](TForm16& form) { form.Button3Click(); }))
        w->findChild<QLineEdit*>(QStringLiteral("Uebersetzt"))->setFocus();
}
} // namespace tavrio
