#include "exercises/test/TForm23.h"

#include "engine/Session.h"
#include "exercises/frame/DrawMessage.h"
#include "exercises/frame/KeyArea.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/frame/WordFields.h"
#include "exercises/test/TestLayout.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace L = tavrio::testsheet::layout;
using namespace tavrio::testsheet;
using tavrio::exercises::DrawResult;

namespace {
const QString kNewTest = QStringLiteral("START");
const QColor kInk(0xc8, 0x10, 0x2e);
constexpr int kWordPixels = 16; // the words in the test lines
} // namespace

TForm23::TForm23(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm23"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("TEST"));
    addBackground(QStringLiteral("BG\\Test.bmp"));
    centreLabel(addLabel(QStringLiteral("TEST"), QPoint(0, 24), QStringLiteral("Titel"), 44), 400);

    for (int g = 0; g < 2; ++g) {
        const int x = L::groupLeft[g];
        addLabel(g == 0 ? QStringLiteral("a)") : QStringLiteral("b)"), QPoint(x - 2, 82), {}, 24);
        addLabel(QStringLiteral("Orginal"), QPoint(x, 118), {}, 17);
        addLabel(QStringLiteral("übersetze :"), QPoint(x + L::answerOffset, 118), {}, 17);
    }
    QWidget* previous = nullptr;
    for (int k = 1; k <= kLines; ++k) {
        const QPoint at = L::lineOrigin(k);
        cLine& line = lines_[k - 1];
        line.original = new QLineEdit(this);
        line.original->setObjectName(QStringLiteral("Test%1Orginal").arg(k));
        line.original->setReadOnly(true);
        line.original->setFocusPolicy(Qt::NoFocus);
        line.original->setGeometry(at.x(), at.y(), L::originalWidth, L::editHeight);
        line.answer = new QLineEdit(this);
        line.answer->setObjectName(QStringLiteral("Test%1Uebersetzt").arg(k));
        line.answer->setGeometry(at.x() + L::answerOffset, at.y(), L::answerWidth, L::editHeight);
        // Return moves on to the next line, as Tab does.
        connect(line.answer, &QLineEdit::returnPressed, this, [this, k] { focusLineAfter(k); });
        line.expected = new QLabel(this);
        line.expected->setObjectName(QStringLiteral("Test%1").arg(k));
        line.expected->setTextFormat(Qt::PlainText);
        line.expected->hide();
        line.mark = addLabel(QString(), QPoint(at.x() + L::markOffset, at.y() - 2),
                             QStringLiteral("Label%1").arg(10 + k), 24);
        line.mark->setFixedWidth(L::markWidth);
        tavrio::setTextColour(line.mark, kInk);
        for (QLineEdit* e : {line.original, line.answer}) {
            QFont f = e->font();
            f.setPixelSize(kWordPixels);
            e->setFont(f);
        }
        if (previous)
            setTabOrder(previous, line.answer);
        previous = line.answer;
    }

    Versuche = new cCounterField(QStringLiteral("Versuche"), this);
    Versuche->hide();
    scoreParts_ << addLabel(QStringLiteral("Punkte :"), QPoint(60, 420), {}, 22);
    Punktzahl = addLabel(QString(), QPoint(180, 404), QStringLiteral("Punktzahl"), 28);
    scoreParts_ << Punktzahl << addLabel(QStringLiteral("__"), QPoint(176, 414), {}, 28)
                << addLabel(QStringLiteral("10"), QPoint(180, 448), {}, 28);
    for (QLabel* l : scoreParts_)
        tavrio::setTextColour(l, kInk);
    PZZusatz3 = addLabel(QString(), L::markCircle.topLeft(), QStringLiteral("PZZusatz3"));
    PZZusatz3->setFixedSize(L::markCircle.size());
    tavrio::setStyleSheetWhenShown(PZZusatz3, QStringLiteral("border: 4px solid #c8102e; border-radius: %1px;")
                                                  .arg(L::markCircle.width() / 2));
    Zensur = addLabel(QString(), L::markCircle.topLeft(), QStringLiteral("Zensur"), 44);
    Zensur->setFixedSize(L::markCircle.size());
    Zensur->setAlignment(Qt::AlignCenter);
    tavrio::setTextColour(Zensur, kInk);
    scoreParts_ << PZZusatz3 << Zensur;
    showScore(false);

    Richtig = new cKeyArea(QStringLiteral("Richtig"), L::handIn, this);
    Richtig->setToolTip(QStringLiteral("Abgeben"));
    Richtig->setFace(QColor(255, 250, 205));
    QFont big = Richtig->font();
    big.setPixelSize(26);
    big.setBold(true);
    Richtig->setFont(big);
    tavrio::setTextColour(Richtig, kInk);
    connect(Richtig, &tavrio::cPictureArea::clicked, this, &TForm23::RichtigClick);
    auto* help = new cKeyArea(QStringLiteral("Hilfe"), L::help, this);
    help->setToolTip(QStringLiteral("Hilfe"));
    connect(help, &tavrio::cPictureArea::clicked, this, &TForm23::HilfeClick);
    auto* back = new cKeyArea(QStringLiteral("Button1"), L::back, this);
    back->setToolTip(QStringLiteral("Zurück"));
    connect(back, &tavrio::cPictureArea::clicked, this, &TForm23::Button1Click);
    setTabOrder(previous, Richtig);
    setTabOrder(Richtig, help);
    setTabOrder(help, back);

    Orginal = addHiddenEdit(QStringLiteral("Orginal"));
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    Uebersetzt = addHiddenEdit(QStringLiteral("Uebersetzt"));
    Button2 = new QPushButton(QStringLiteral("Start"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm23::Button2Click);
    addFileName(QPoint(230, 552));
}

void TForm23::Button2Click()
{
    tavrio::exercises::drawIntoFields(Orginal, richtiguebersetzt, Uebersetzt);
}

void TForm23::HilfeClick() { tavrio::showHelp(QStringLiteral("Hilfe\\TEST.bmp")); }

void TForm23::showScore(bool visible)
{
    for (QLabel* l : scoreParts_)
        l->setVisible(visible);
}

void TForm23::focusLineAfter(int k)
{
    for (int j = k + 1; j <= kLines; ++j) {
        if (!lines_[j - 1].answer->isHidden()) {
            lines_[j - 1].answer->setFocus();
            return;
        }
    }
    Richtig->setFocus();
}

void TForm23::rememberAnswers()
{
    for (int k = 0; k < kLines; ++k)
        handedIn_[k] = lines_[k].answer->text();
}

bool TForm23::unsavedChanges() const
{
    for (int k = 0; k < kLines; ++k)
        if (lines_[k].answer->text() != handedIn_[k])
            return true;
    return false;
}

void TForm23::RichtigClick()
{
    if (Richtig->text() == kNewTest) {
        Richtig->clear();
        newTest();
        return;
    }
    handIn();
}

void TForm23::handIn()
{
    Versuche->increment();
    rememberAnswers();
    int points = 0;
    cSession* session = tavrio::session();
    for (cLine& line : lines_) {
        if (line.original->isHidden()) {
            ++points;
            continue;
        }
        const std::string original = tavrio::toAnsi(line.original->text());
        const std::string answer = tavrio::toAnsi(line.answer->text());
        const std::string expected = tavrio::toAnsi(line.expected->text());
        const bool right = session && session->IstDasRichtig(original, answer, expected);
        line.mark->setText(tavrio::fromAnsi(lineMark(right)));
        if (right) {
            line.original->hide();
            line.answer->hide();
            ++points;
        } else {
            tavrio::showMessage(tavrio::fromAnsi(correctionMessage(original, answer, expected)));
        }
    }
    Punktzahl->setText(QString::number(points));
    Punktzahl->adjustSize();
    Zensur->setText(tavrio::fromAnsi(schoolMark(points)));
    showScore(true);
    if (points < kLines) {
        focusLineAfter(0);
        return;
    }
    tavrio::showMessage(tavrio::fromAnsi(praiseMessage(Versuche->value())));
    newTest();
}

void TForm23::newTest()
{
    for (cLine& line : lines_) {
        line.original->show();
        line.answer->show();
        line.mark->clear();
    }
    showScore(false);
    std::array<cPair, kLines> drawn;
    const DrawResult result = drawTest(tavrio::session(), tavrio::toAnsi(lines_[0].expected->text()), drawn);
    for (int k = 0; k < kLines; ++k) {
        lines_[k].expected->setText(tavrio::fromAnsi(drawn[k].translation));
        lines_[k].original->setText(tavrio::fromAnsi(drawn[k].original));
        // A long word takes a smaller font; one still too long shows its
        // start, and the hint shows all of it.
        fitFont(lines_[k].original, lines_[k].original->text(), kWordPixels, L::originalWidth - 10);
        lines_[k].original->setCursorPosition(0);
        lines_[k].original->setToolTip(lines_[k].original->text());
        lines_[k].answer->clear();
    }
    rememberAnswers();
    Orginal->setText(tavrio::fromAnsi(drawn[kLines - 1].original));
    richtiguebersetzt->setText(tavrio::fromAnsi(drawn[kLines - 1].translation));
    Uebersetzt->clear();
    Versuche->setValue(0);
    lines_[0].answer->setFocus();
    if (result == DrawResult::Drawn)
        return;
    // No test without words: the next click on Richtig tries again, and
    // nothing is handed in or recorded meanwhile.
    Richtig->setText(kNewTest);
    tavrio::showMessage(tavrio::exercises::drawFailureMessage(result));
}

namespace tavrio {
void openTest(QWidget* attic)
{
    TForm23* w = windows().form23;
    const bool opened = openExercise(w, attic, [](TForm23& form) {
        form.findChild<QPushButton*>(QStringLiteral("Button2"))->setText(QStringLiteral("Start"));
        form.findChild<cKeyArea*>(QStringLiteral("Richtig"))->setText(kNewTest);
        form.RichtigClick();
    });
    if (opened)
        w->findChild<QLineEdit*>(QStringLiteral("Test1Uebersetzt"))->setFocus();
}
} // namespace tavrio
