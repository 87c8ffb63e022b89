#include "exercises/quiz/TForm22.h"
#include "exercises/quiz/Stage.h"

#include "engine/Random.h"
#include "engine/Session.h"
#include "exercises/frame/DrawMessage.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/frame/WordFields.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tavrio::quiz;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kNext = QStringLiteral("Nächstes Wort");
const QString kBuildCaption = QStringLiteral("- - > Richtig ? < - -");

// Ladder rows: arrows left and right of a 104 px wide row.
constexpr int kArrowLeftX = 592;
constexpr int kRowX = 638;
constexpr int kRowWidth = 104;
constexpr int kArrowRightX = 746;
// The word asked is centred on this x.
constexpr int kWordCentreX = 310;

const QString kAnswerStyle = QStringLiteral(
    "QPushButton { background: rgb(20, 30, 100); color: white; border: 3px solid rgb(150, 170, 230);"
    " border-radius: 20px; padding: 4px 12px; }"
    "QPushButton:focus { border-color: rgb(255, 190, 0); }"
    "QPushButton:pressed { background: rgb(255, 150, 0); }"
    "QPushButton:disabled { color: rgb(140, 150, 190); }");
const QString kJokerStyle = QStringLiteral(
    "QPushButton { background: rgb(230, 60, 40); color: white; border: 3px solid white; border-radius: 16px;"
    " font-size: 15px; font-weight: bold; }"
    "QPushButton:focus { border-color: rgb(255, 190, 0); }"
    "QPushButton:disabled { background: rgb(120, 120, 130); color: rgb(200, 200, 200); }");

// Shrinks the font from `largest` pixels until `text` fits `width` (not
// below 10 px), so long words and translations stay whole.
void fitText(QWidget* w, const QString& text, int width, int largest)
{
    QFont f = w->font();
    f.setBold(true);
    for (int px = largest;; --px) {
        f.setPixelSize(px);
        if (px <= 10 || QFontMetrics(f).horizontalAdvance(text) <= width)
            break;
    }
    w->setFont(f);
}

QLabel* ladderLabel(QWidget* parent, const QString& text, QRect at, QColor colour, QColor back = QColor(15, 25, 80))
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    l->setAlignment(Qt::AlignCenter);
    tavrio::setTextColour(l, colour);
    tavrio::setBackground(l, back);
    QFont f = l->font();
    f.setPixelSize(13);
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

TForm22::TForm22(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm22"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Wer wird Vokablär?"));
    addBackground(QStringLiteral("BG\\WerwirdVokablär.bmp"));
    QLabel* title = addLabel(QStringLiteral("Wer wird Vokablär?"), QPoint(0, 24), QStringLiteral("Titel"), 34);
    tavrio::setTextColour(title, QColor(255, 200, 40));
    centreLabel(title, kWordCentreX);

    // The ladder, "100" at the bottom; the safe levels in gold.
    for (int level = 0; level <= kLevels; ++level) {
        const QRect row(kRowX, rowY(level), kRowWidth, kRowPitch);
        const QString caption = QString::fromLatin1(levelCaption(level));
        if (isSafeLevel(level))
            ladderLabel(this, caption, row, QColor(255, 190, 0), QColor(50, 60, 140));
        else
            ladderLabel(this, caption, row, level == kLevels ? QColor(255, 190, 0) : QColor(Qt::white));
    }
    Aktposl = ladderLabel(this, QStringLiteral("---->"), QRect(kArrowLeftX, kBottomY, 44, kRowPitch),
                          QColor(255, 120, 0), Qt::transparent);
    Aktposl->setObjectName(QStringLiteral("Aktposl"));
    Aktposr = ladderLabel(this, QStringLiteral("<----"), QRect(kArrowRightX, kBottomY, 44, kRowPitch),
                          QColor(255, 120, 0), Qt::transparent);
    Aktposr->setObjectName(QStringLiteral("Aktposr"));
    Sicher = addLabel(QStringLiteral("0"), QPoint(kRowX, 420), QStringLiteral("Sicher"));
    Sicher->hide();

    OrginalAnzeige = addLabel(QString(), QPoint(kWordCentreX, 150), QStringLiteral("OrginalAnzeige"), 30);
    tavrio::setTextColour(OrginalAnzeige, Qt::white);

    for (int k = 0; k < kAnswers; ++k) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Antwort%1").arg(k + 1));
        b->setGeometry(tavrio::quiz::answerButtons[std::size_t(k)]);
        tavrio::setStyleSheetWhenShown(b, kAnswerStyle);
        // Return on the focused answer hands it in (Space as on any button).
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, &TForm22::Antwort1Click);
        answers_[k] = b;
    }
    WelcherButton = new cCounterField(QStringLiteral("WelcherButton"), this);
    WelcherButton->hide();

    tavrio::setTextColour(addLabel(QStringLiteral("Joker"), QPoint(40, 375), QStringLiteral("Label1"), 20), Qt::white);
    const char* jokerCaptions[3] = {"50/50", "Tel.", "Publikum"};
    void (TForm22::*jokerSlots[3])() = {&TForm22::Joker1Click, &TForm22::Joker2Click, &TForm22::Joker3Click};
    for (int k = 0; k < 3; ++k) {
        auto* b = new QPushButton(QString::fromLatin1(jokerCaptions[k]), this);
        b->setObjectName(QStringLiteral("Joker%1").arg(k + 1));
        b->setGeometry(40 + k * 120, 405, 110, 36);
        tavrio::setStyleSheetWhenShown(b, kJokerStyle);
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, jokerSlots[k]);
        jokers_[k] = b;
    }

    QLabel* balance = addLabel(QStringLiteral("Guthaben :"), QPoint(40, 480), QStringLiteral("Label2"), 22);
    tavrio::setTextColour(balance, Qt::white);
    Guthaben = addLabel(QStringLiteral("0"), QPoint(balance->x(), 480), QStringLiteral("Guthaben"), 22);
    tavrio::placeAfterWhenShown(balance, Guthaben, 12);
    tavrio::setTextColour(Guthaben, QColor(255, 200, 40));
    Guthaben->setFixedWidth(200);

    Orginal = addHiddenEdit(QStringLiteral("Orginal"));
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    Uebersetzt = addHiddenEdit(QStringLiteral("Uebersetzt"));
    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm22::Button2Click);
    Richtig = new QPushButton(kBuildCaption, this);
    Richtig->setObjectName(QStringLiteral("Richtig"));
    Richtig->hide();
    connect(Richtig, &QPushButton::clicked, this, &TForm22::RichtigClick);
    addCounters();
    addFileName(QPoint(20, 566));
    for (QLabel* label : findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Vokabeln aus der Datei :"))
            tavrio::setTextColour(label, Qt::white); // over the dark audience

    Zurueck = addBackButton(QRect(680, 550, 100, 32), QStringLiteral("Zurueck"));
    disconnect(Zurueck, nullptr, this, nullptr);
    connect(Zurueck, &QPushButton::clicked, this, &TForm22::ZurueckClick);

    for (int k = 1; k < kAnswers; ++k)
        setTabOrder(answers_[k - 1], answers_[k]);
    setTabOrder(answers_[kAnswers - 1], jokers_[0]);
    setTabOrder(jokers_[0], jokers_[1]);
    setTabOrder(jokers_[1], jokers_[2]);
    setTabOrder(jokers_[2], Zurueck);
}

tavrio::quiz::cClimb TForm22::climbAt(QLabel* arrow) const
{
    cClimb c;
    c.arrowY = arrow->y();
    c.secured = tavrio::toAnsi(Sicher->text());
    c.balance = amountOf(tavrio::toAnsi(Guthaben->text()));
    return c;
}

void TForm22::showClimb(const cClimb& climb)
{
    Aktposl->move(Aktposl->x(), climb.arrowY);
    Aktposr->move(Aktposr->x(), climb.arrowY);
    Sicher->setText(QString::fromStdString(climb.secured));
    Guthaben->setText(QString::number(climb.balance));
}

void TForm22::restartClimb()
{
    for (QPushButton* j : jokers_)
        j->setEnabled(true);
}

void TForm22::Button2Click()
{
    if (Button2->text() == kStart)
        Button2->setText(kNext);
    tavrio::exercises::drawIntoFields(Orginal, richtiguebersetzt, Uebersetzt);
}

void TForm22::RichtigClick()
{
    for (QPushButton* b : answers_)
        b->show();
    cClimb climb = climbAt(Aktposl);
    const bool million = settle(climb);
    Sicher->setText(QString::fromStdString(climb.secured));
    if (million) {
        showClimb(climb);
        std::string name;
        if (cSession* s = tavrio::session())
            s->GetProfileName(name);
        tavrio::showMessage(tavrio::fromAnsi(millionMessage(name)));
        restartClimb();
    }

    Randomize();
    question_ = buildQuestion(tavrio::session(), question_.answers[0]);
    if (Button2->text() == kStart)
        Button2->setText(kNext);
    showQuestion();
    if (!question_.usable())
        tavrio::showMessage(tavrio::exercises::drawFailureMessage(question_.result));
}

void TForm22::showQuestion()
{
    const bool usable = question_.usable();
    WelcherButton->setValue(question_.right);
    for (int k = 0; k < kAnswers; ++k) {
        answers_[k]->setText(tavrio::fromAnsi(question_.answers[k]));
        fitText(answers_[k], answers_[k]->text(), answers_[k]->width() - 36, 17);
        answers_[k]->setEnabled(usable);
    }
    OrginalAnzeige->setText(tavrio::fromAnsi(question_.original));
    fitText(OrginalAnzeige, OrginalAnzeige->text(), 520, 30);
    centreLabel(OrginalAnzeige, kWordCentreX);
    Orginal->setText(tavrio::fromAnsi(question_.original));
    richtiguebersetzt->setText(tavrio::fromAnsi(question_.expected()));
    Uebersetzt->clear();
    focusFirstAnswer();
}

void TForm22::focusFirstAnswer()
{
    for (QPushButton* b : answers_)
        if (!b->isHidden() && b->isEnabled()) {
            b->setFocus();
            return;
        }
    Zurueck->setFocus();
}

void TForm22::Antwort1Click()
{
    int button = 0;
    for (int k = 0; k < kAnswers; ++k)
        if (sender() == answers_[k])
            button = k;
    handIn(button);
}

void TForm22::handIn(int button)
{
    // Without a question (no words) there is nothing to hand in or record.
    if (!question_.usable())
        return;
    Uebersetzt->setText(answers_[button]->text());
    cSession* s = tavrio::session();
    const bool right = s && s->IstDasRichtig(question_.original, question_.answers[button], question_.expected());
    cClimb climb = climbAt(Aktposr);
    if (right) {
        climbUp(climb);
    } else {
        const std::string paid = fallDown(climb);
        Guthaben->setText(QString::number(climb.balance));
        tavrio::showMessage(tavrio::fromAnsi(payoutMessage(paid)));
        Sicher->setText(QString::fromStdString(climb.secured));
        restartClimb();
    }
    Aktposr->move(Aktposr->x(), climb.arrowY);
    Aktposl->move(Aktposl->x(), Aktposr->y());
    RichtigClick();
}

void TForm22::Joker1Click()
{
    if (!question_.usable())
        return;
    Randomize();
    for (int k : fiftyFifty(question_.right))
        answers_[k]->hide();
    jokers_[0]->setEnabled(false);
    focusFirstAnswer();
}

void TForm22::Joker2Click()
{
    if (!question_.usable())
        return;
    Randomize();
    tavrio::showMessage(tavrio::fromAnsi(telephoneMessage(question_.expected())));
    jokers_[1]->setEnabled(false);
    focusFirstAnswer();
}

void TForm22::Joker3Click()
{
    if (!question_.usable())
        return;
    std::array<bool, kAnswers> hidden{};
    for (int k = 0; k < kAnswers; ++k)
        hidden[k] = answers_[k]->isHidden();
    const auto shares = audienceShares(question_.right, hidden);
    tavrio::showMessage(tavrio::fromAnsi(audienceMessage(shares, question_.answers)));
    jokers_[2]->setEnabled(false);
    focusFirstAnswer();
}

void TForm22::ZurueckClick() { close(); }

void TForm22::showEvent(QShowEvent* event)
{
    cExerciseWindow::showEvent(event);
    // A new visit (not the window system showing it again): balance 0, a
    // fresh climb.
    if (event->spontaneous())
        return;
    restartClimb();
    showClimb(cClimb{});
    focusFirstAnswer();
}

void TForm22::keyPressEvent(QKeyEvent* event)
{
    // Keys 1 .. 4 answer with the button of that number, while it is shown.
    const int k = event->key() - Qt::Key_1;
    if (k >= 0 && k < kAnswers && event->modifiers() == Qt::NoModifier) {
        if (!answers_[k]->isHidden() && answers_[k]->isEnabled())
            answers_[k]->click();
        return;
    }
    cExerciseWindow::keyPressEvent(event);
}

namespace tavrio {
void openQuizShow(QWidget* room)
{
    openExercise(windows().form22, room, [](TForm22& form) {
        form.findChild<QPushButton*>(QStringLiteral("Button2"))->setText(kStart);
        form.findChild<QPushButton*>(QStringLiteral("Richtig"))->setText(kBuildCaption);
        form.RichtigClick();
    });
}
} // namespace tavrio
