#include "exercises/wheel/TForm24.h"

#include "engine/Session.h"
#include "exercises/frame/KeyArea.h"
#include "exercises/frame/DrawMessage.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/wheel/WheelLayout.h"
#include "exercises/wheel/WheelRules.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace tavrio::wheel;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kNextWord = QStringLiteral("Nächstes Wort");
// Letters: two rows of 13 (A-M, N-Z), 24 px apart, centred on x = 200.
constexpr int kLetterPitch = 24;
// The puzzle line fits this width inside the panel, centred on x = 200.
constexpr int kPuzzleWidth = 360;
constexpr int kLettersLeft = 200 - 13 * kLetterPitch / 2;
constexpr int kLettersTop = 240;

// A money or joker label; a text that is not a decimal integer reads as 0.
int number(const QLabel* l) { return l->text().toInt(); }
} // namespace

TForm24::TForm24(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm24"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Glücksrad"));
    addBackground(QStringLiteral("BG\\Glücksrad.bmp"));

    centreLabel(addLabel(QStringLiteral("Gesucht, wird eine Übersetzung."), QPoint(0, 28), {}, 18), 200);
    aktuellerString = addLabel(QString(), QPoint(200, 70), QStringLiteral("aktuellerString"));
    aktuellerString->setTextFormat(Qt::PlainText);
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPixelSize(27);
    comic.setBold(true);
    aktuellerString->setFont(comic);

    Uebersetzungvonlabel = addLabel(QStringLiteral("Übersetzung von :"), QPoint(40, 130), QStringLiteral("Uebersetzungvonlabel"), 16);
    Uebersetzungvon = addLabel(QString(), QPoint(Uebersetzungvonlabel->x(), 130), QStringLiteral("Uebersetzungvon"), 16);
    tavrio::placeAfterWhenShown(Uebersetzungvonlabel, Uebersetzungvon, 8);
    Uebersetzungvon->setTextFormat(Qt::PlainText);
    tavrio::setTextColour(Uebersetzungvon, QColor(0x1e, 0x3c, 0x8c));
    Uebersetzungvonlabel->hide();
    Uebersetzungvon->hide();

    // The line with the widest stake stays inside the panel (its frame is
    // 4 px wide).
    const QString chooseText = QStringLiteral("Wählen Sie einen Buchstaben, für ");
    QLabel* choose = addLabel(chooseText, QPoint(40, 172), {}, 16);
    Einsatz = addLabel(QStringLiteral("100"), QPoint(choose->x(), 172), QStringLiteral("Einsatz"));
    tavrio::setTextColour(Einsatz, QColor(0xc0, 0x18, 0x18));
    Einsatz->setFixedWidth(80);
    // Fitting measures text, which loads the font: done when first shown.
    tavrio::whenFirstShown(this, [this, choose, chooseText] {
        QString widestLine;
        for (const char* stake : kStakes)
            if (QFontMetrics(choose->font()).horizontalAdvance(chooseText + QLatin1String(stake))
                > QFontMetrics(choose->font()).horizontalAdvance(widestLine))
                widestLine = chooseText + QLatin1String(stake);
        fitFont(choose, widestLine, 16, tavrio::wheel::layout::kPanel.x + tavrio::wheel::layout::kPanel.width - 4 - 40);
        choose->adjustSize();
        Einsatz->move(choose->x() + choose->width(), Einsatz->y());
        Einsatz->setFont(choose->font());
    });
    addLabel(QStringLiteral("(Vokale kosten 300 Einsatz)"), QPoint(40, 196), {}, 14);

    for (int i = 0; i < 26; ++i) {
        const QString letter(QChar(u'A' + i));
        auto* l = new cKeyArea(QStringLiteral("Label%1").arg(i + 1),
                               QRect(kLettersLeft + (i % 13) * kLetterPitch, kLettersTop + (i / 13) * kLetterPitch, 22, 22),
                               this, letter);
        l->setFace(QColor(255, 236, 160));
        QFont f = l->font();
        f.setPixelSize(16);
        f.setBold(true);
        l->setFont(f);
        connect(l, &cKeyArea::clicked, this, &TForm24::BuchstabeClick);
        letters_[static_cast<std::size_t>(i)] = l;
    }

    const auto valueLine = [this](const QString& caption, int y, const QString& name) {
        QLabel* c = addLabel(caption, QPoint(40, y), {}, 18);
        QLabel* v = addLabel(QStringLiteral("0"), QPoint(c->x(), y), name, 18);
        v->setFixedWidth(90);
        tavrio::placeAfterWhenShown(c, v, 8);
        return v;
    };
    Geld = valueLine(QStringLiteral("Es geht jetz um :"), 310, QStringLiteral("Geld"));
    Guthaben = valueLine(QStringLiteral("Guthaben :"), 345, QStringLiteral("Guthaben"));
    Joker = valueLine(QStringLiteral("Joker :"), 380, QStringLiteral("Joker"));
    // Transparent over the joker card of the background picture.
    const auto card = tavrio::wheel::layout::kJokerCard;
    Image2 = new cKeyArea(QStringLiteral("Image2"), QRect(card.x, card.y, card.width, card.height), this);
    Image2->setToolTip(QStringLiteral("Joker einsetzen"));
    connect(Image2, &cKeyArea::clicked, this, &TForm24::Image2Click);

    NaechsteRunde = new QPushButton(QStringLiteral("Nächste Runde"), this);
    NaechsteRunde->setObjectName(QStringLiteral("NaechsteRunde"));
    NaechsteRunde->setGeometry(40, 440, 170, 36);
    // Return on the focused button starts the round, like Space.
    NaechsteRunde->setAutoDefault(true);
    connect(NaechsteRunde, &QPushButton::clicked, this, &TForm24::NaechsteRundeClick);

    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    wirklichwar = addHiddenEdit(QStringLiteral("wirklichwar"));
    Orginal = addHiddenEdit(QStringLiteral("Orginal"));
    Uebersetzt = addHiddenEdit(QStringLiteral("Uebersetzt"));
    geloest = new cCounterField(QStringLiteral("geloest"), this);
    geloest->hide();
    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm24::Button2Click);
    Drehen = new QPushButton(QStringLiteral("Drehen"), this);
    Drehen->setObjectName(QStringLiteral("Drehen"));
    Drehen->hide();
    connect(Drehen, &QPushButton::clicked, this, &TForm24::DrehenClick);

    addFileName(QPoint(20, 564));
    addBackButton(QRect(680, 555, 100, 32), QStringLiteral("Zurueck"));
}

void TForm24::showEvent(QShowEvent* event)
{
    cExerciseWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm24::FormShow()
{
    geloest->setValue(0);
    Uebersetzungvonlabel->hide();
    Uebersetzungvon->hide();
    Joker->setText(QStringLiteral("0"));
    Geld->setText(QStringLiteral("0"));
    Guthaben->setText(QStringLiteral("0"));
    focusFirstLetter();
}

void TForm24::focusFirstLetter()
{
    for (cKeyArea* l : letters_)
        if (!l->isHidden()) {
            l->setFocus();
            return;
        }
    NaechsteRunde->setFocus();
}

void TForm24::Button2Click()
{
    if (Button2->text() == kStart)
        Button2->setText(kNextWord);
    std::string original;
    std::string translation;
    const auto drawn =
        tavrio::exercises::drawWordWhere(tavrio::session(), original, translation, &hasLetterToGuess);
    Orginal->setText(tavrio::fromAnsi(original));
    richtiguebersetzt->setText(tavrio::fromAnsi(translation));
    wirklichwar->setText(tavrio::fromAnsi(translation));
    Uebersetzt->clear();
    if (drawn == tavrio::exercises::DrawResult::NoWords)
        tavrio::showMessage(tavrio::exercises::drawFailureMessage(drawn));
    else if (drawn == tavrio::exercises::DrawResult::NoFitting)
        tavrio::showMessage(QStringLiteral("Keine passende Vokabel gefunden: Die Übersetzungen haben keine "
                                           "Buchstaben von A bis Z."));
}

void TForm24::NaechsteRundeClick()
{
    for (int i = 0; i < 26; ++i) {
        letters_[static_cast<std::size_t>(i)]->setText(QString(QChar(u'A' + i)));
        letters_[static_cast<std::size_t>(i)]->show();
    }
    Button2Click();
    const cPuzzle puzzle = newPuzzle(tavrio::toAnsi(wirklichwar->text()));
    aktuellerString->setText(tavrio::fromAnsi(puzzle.shown));
    // 27 px unless a long word needs less to fit its panel.
    fitFont(aktuellerString, aktuellerString->text(), 27, kPuzzleWidth);
    richtiguebersetzt->setText(tavrio::fromAnsi(puzzle.remaining));
    // Without a word there is nothing to guess; "Nächste Runde" draws again.
    if (puzzle.remaining.empty())
        for (cKeyArea* l : letters_)
            l->hide();
    centreLabel(aktuellerString, 200);
    if (geloest->value() == 1)
        Guthaben->setText(QString::number(number(Guthaben) + number(Geld)));
    Geld->setText(QStringLiteral("0"));
    geloest->setValue(0);
    DrehenClick();
}

void TForm24::DrehenClick()
{
    const cSpin s = spin();
    if (s.bankrupt) {
        if (Geld->text() != QStringLiteral("0"))
            tavrio::showMessage(tavrio::fromAnsi(bankruptcyMessage(tavrio::toAnsi(Geld->text()))));
        Geld->setText(QStringLiteral("0"));
    }
    Einsatz->setText(QString::fromLatin1(s.stake.c_str()));
    Uebersetzungvonlabel->hide();
    Uebersetzungvon->hide();
    centreLabel(aktuellerString, 200);
}

void TForm24::BuchstabeClick()
{
    if (auto* l = qobject_cast<cKeyArea*>(sender()))
        clickLetter(l);
}

void TForm24::clickLetter(cKeyArea* label)
{
    const std::string letter = tavrio::toAnsi(label->text());
    if (letter.size() != 1)
        return;
    cPuzzle puzzle{tavrio::toAnsi(aktuellerString->text()), tavrio::toAnsi(richtiguebersetzt->text())};
    int money = number(Geld);
    int jokers = number(Joker);
    const cClick c = tavrio::wheel::clickLetter(letter[0], tavrio::toAnsi(Einsatz->text()), puzzle, money, jokers);
    if (c.taken) {
        label->hide();
        Geld->setText(QString::number(money));
        Joker->setText(QString::number(jokers));
        aktuellerString->setText(tavrio::fromAnsi(puzzle.shown));
        // Revealed capitals are wider than the dashes they replace.
        fitFont(aktuellerString, aktuellerString->text(), 27, kPuzzleWidth);
        richtiguebersetzt->setText(tavrio::fromAnsi(puzzle.remaining));
    }
    if (!isSolved(puzzle)) {
        DrehenClick();
        return;
    }
    geloest->setValue(1);
    const std::string word = tavrio::toAnsi(wirklichwar->text());
    if (cSession* s = tavrio::session())
        s->IstDasRichtig(tavrio::toAnsi(Orginal->text()), word, word);
    NaechsteRundeClick();
    focusFirstLetter();
}

void TForm24::Image2Click()
{
    const int jokers = number(Joker);
    if (jokers <= 0) {
        tavrio::showMessage(QStringLiteral("Du hast keinen Joker zur Verfügung!"));
        return;
    }
    Joker->setText(QString::number(jokers - 1));
    Uebersetzungvon->setText(Orginal->text());
    Uebersetzungvon->adjustSize();
    Uebersetzungvonlabel->show();
    Uebersetzungvon->show();
}

void TForm24::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text().toUpper();
    if (typed.size() == 1 && typed[0] >= u'A' && typed[0] <= u'Z' && !(event->modifiers() & Qt::ControlModifier)) {
        cKeyArea* l = letters_[static_cast<std::size_t>(typed[0].unicode() - u'A')];
        if (!l->isHidden())
            clickLetter(l);
        return;
    }
    cExerciseWindow::keyPressEvent(event);
}

namespace tavrio {
void openWheelOfFortune(QWidget* room)
{
    openExercise(windows().form24, room, [](TForm24& form) {
        form.findChild<QPushButton*>(QStringLiteral("Button2"))->setText(kStart);
        form.NaechsteRundeClick();
    });
}
} // namespace tavrio
