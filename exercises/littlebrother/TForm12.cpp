#include "exercises/littlebrother/TForm12.h"

#include "engine/Random.h"
#include "engine/Session.h"
#include "exercises/frame/DrawMessage.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/littlebrother/Misspelling.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace tavrio::littlebrother;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kCheck = QStringLiteral("Prüfen, ob richtig");

// A button caption shows '&' as a shortcut marker; doubled it reads as '&'.
QString asCaption(const QString& word) { return QString(word).replace(QLatin1Char('&'), QStringLiteral("&&")); }
QString fromCaption(const QString& caption) { return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")); }

// Words are shown as they are, never as rich text.
QLabel* plain(QLabel* l)
{
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

TForm12::TForm12(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm12"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Kleiner Bruder, große Frage!"));
    addBackground(QStringLiteral("BG\\KleinerBrudergroßefrage.bmp"));
    centreLabel(addLabel(QStringLiteral("Kleiner Bruder, große Frage!"), QPoint(0, 22), QStringLiteral("Titel"), 34),
                400);

    centreLabel(addLabel(QStringLiteral("Wie schreibt man "), QPoint(0, 120), {}, 18), 200);
    OrginalAnzeige = plain(addLabel(QString(), QPoint(200, 150), QStringLiteral("OrginalAnzeige"), 28));
    tavrio::setTextColour(OrginalAnzeige, QColor(0x1e, 0x3c, 0x8c));
    centreLabel(addLabel(QStringLiteral("übersetzt ?"), QPoint(0, 195), {}, 18), 200);

    const auto answerButton = [this](const char* name, int y, void (TForm12::*slot)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(50, y, 300, 46);
        QFont f = b->font();
        f.setPixelSize(20);
        f.setBold(true);
        b->setFont(f);
        // Return acts on the focused answer like Space.
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    ANTWORT1 = answerButton("ANTWORT1", 245, &TForm12::ANTWORT1Click);
    centreLabel(addLabel(QStringLiteral("oder"), QPoint(0, 298), {}, 16), 200);
    ANTWORT2 = answerButton("ANTWORT2", 325, &TForm12::ANTWORT2Click);

    // The brother's speech bubble on the right repeats the two spellings.
    ANTWORT1LABEL = plain(addLabel(QStringLiteral("oder"), QPoint(600, 150), QStringLiteral("ANTWORT1LABEL"), 20));
    centreLabel(addLabel(QStringLiteral("oder"), QPoint(0, 182), {}, 16), 600);
    ANTWORT2LABEL = plain(addLabel(QStringLiteral("oder"), QPoint(600, 210), QStringLiteral("ANTWORT2LABEL"), 20));
    centreLabel(addLabel(QStringLiteral("heißt das übersetzt!"), QPoint(0, 245), {}, 16), 600);
    centreLabel(ANTWORT1LABEL, 600);
    centreLabel(ANTWORT2LABEL, 600);

    Bewertung = plain(addLabel(QString(), QPoint(184, 410), QStringLiteral("Bewertung"), 14));
    fehler = addLabel(QString(), QPoint(40, 440), QStringLiteral("fehler"));
    fehler->hide();
    richtigwartext = addLabel(QString(), QPoint(40, 460), QStringLiteral("richtigwartext"));
    richtigwartext->hide();

    Orginal = addHiddenEdit(QStringLiteral("Orginal"));
    Orginal->setReadOnly(true);
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    Uebersetzt = addHiddenEdit(QStringLiteral("Uebersetzt"));
    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
    addCounters();

    addBackButton(QRect(680, 555, 100, 32));
    addFileName(QPoint(20, 562));
}

void TForm12::showEvent(QShowEvent* event)
{
    cExerciseWindow::showEvent(event);
    // A window manager restoring the window is no new start.
    if (!event->spontaneous())
        FormShow();
}

void TForm12::FormShow()
{
    woerter()->setValue(0);
    falsch()->setValue(0);
    Button2->setText(kStart);
    Button2Click();
}

void TForm12::ANTWORT1Click() { choose(ANTWORT1); }

void TForm12::ANTWORT2Click() { choose(ANTWORT2); }

void TForm12::choose(QPushButton* answer)
{
    Uebersetzt->setText(fromCaption(answer->text()));
    Button2Click();
}

void TForm12::Button2Click()
{
    fehler->clear();
    if (Button2->text() == kStart) {
        Button2->setText(kCheck);
    } else {
        woerter()->increment();
        cSession* s = tavrio::session();
        const bool right = s && s->IstDasRichtig(tavrio::toAnsi(Orginal->text()), tavrio::toAnsi(Uebersetzt->text()),
                                                 tavrio::toAnsi(richtiguebersetzt->text()));
        if (!right)
            falsch()->increment();
    }
    askNext();
}

void TForm12::noQuestion(const QString& message)
{
    // Nothing to answer: the next click of Button2 asks again, checking nothing.
    Button2->setText(kStart);
    ANTWORT1->setEnabled(false);
    ANTWORT2->setEnabled(false);
    tavrio::showMessage(message);
}

void TForm12::askNext()
{
    std::string original;
    std::string translation;
    const auto drawn = tavrio::exercises::drawWordWhere(tavrio::session(), original, translation,
                                                        [](const std::string& t) { return !t.empty(); });
    Orginal->setText(tavrio::fromAnsi(original));
    fitFont(OrginalAnzeige, Orginal->text(), 28, 360);
    OrginalAnzeige->setText(Orginal->text());
    centreLabel(OrginalAnzeige, 200);
    richtiguebersetzt->setText(tavrio::fromAnsi(translation));
    Uebersetzt->clear();
    ANTWORT1->setText(QString());
    ANTWORT2->setText(QString());

    if (drawn == tavrio::exercises::DrawResult::Drawn) {
        Randomize();
        const cOffer offer = offerSpellings(translation);
        ANTWORT1->setText(asCaption(tavrio::fromAnsi(offer.answer1)));
        ANTWORT2->setText(asCaption(tavrio::fromAnsi(offer.answer2)));
        for (QPushButton* b : {ANTWORT1, ANTWORT2})
            fitFont(b, fromCaption(b->text()), 20, ANTWORT1->width() - 16);
        ANTWORT1->setEnabled(true);
        ANTWORT2->setEnabled(true);
    }
    ANTWORT1LABEL->setText(fromCaption(ANTWORT1->text()));
    ANTWORT2LABEL->setText(fromCaption(ANTWORT2->text()));
    // The speech bubble is 320 px wide.
    for (QLabel* l : {ANTWORT1LABEL, ANTWORT2LABEL})
        fitFont(l, l->text(), 20, 290);
    centreLabel(ANTWORT1LABEL, 600);
    centreLabel(ANTWORT2LABEL, 600);
    Bewertung->setText(QString::fromStdString(scoreLine(falsch()->value(), woerter()->value())));
    centreLabel(Bewertung, 184);

    if (drawn == tavrio::exercises::DrawResult::Drawn)
        ANTWORT1->setFocus();
    else
        noQuestion(tavrio::exercises::drawFailureMessage(drawn));
}

namespace tavrio {
void openLittleBrother(QWidget* room)
{
    // The show handler asks the first question.
    openExercise(windows().form12, room, [](TForm12&) {});
}
} // namespace tavrio
