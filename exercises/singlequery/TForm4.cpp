#include "exercises/singlequery/TForm4.h"

#include "engine/Random.h"
#include "exercises/singlequery/Grade.h"
#include "exercises/singlequery/ThreeLineList.h"
#include "ui/FileNames.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using tavrio::singlequery::cThreeLineList;
using tavrio::singlequery::ListCheck;

namespace {
const QString kStart = QStringLiteral("Start");
const QString kNext = QStringLiteral("Nächstes Wort");
constexpr int kGradeCentre = 308;
} // namespace

TForm4::TForm4(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm4"), QSize(800, 585))
{
    setWindowTitle(QStringLiteral("Vokabeln - Einzelabfrage"));
    addCounters();
    centreLabel(addLabel(QStringLiteral("Vokabeln - Einzelabfrage"), QPoint(0, 40), QStringLiteral("Titel"), 32), 400);

    addLabel(QStringLiteral("Orginal :"), QPoint(150, 160), {}, 18);
    Orginal = new QLineEdit(this);
    Orginal->setObjectName(QStringLiteral("Orginal"));
    Orginal->setReadOnly(true);
    Orginal->setGeometry(300, 155, 320, 30);

    addLabel(QStringLiteral("Übersetzt :"), QPoint(150, 220), {}, 18);
    Uebersetzt = new QLineEdit(this);
    Uebersetzt->setObjectName(QStringLiteral("Uebersetzt"));
    Uebersetzt->setGeometry(300, 215, 320, 30);
    // Return hands the answer in like the button does.
    connect(Uebersetzt, &QLineEdit::returnPressed, this, &TForm4::Button2Click);
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));

    QLabel* result = addLabel(QStringLiteral("Ergebnis : Richtig"), QPoint(150, 290), {}, 18);
    Richtigwartext = addLabel(QStringLiteral("war"), QPoint(150, 290), QStringLiteral("Richtigwartext"), 18);
    tavrio::placeAfterWhenShown(result, Richtigwartext, 6);
    fehler = addLabel(QStringLiteral("Schon 0 falsch von 0"), QPoint(0, 350), QStringLiteral("fehler"), 20);
    centreLabel(fehler, kGradeCentre);

    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(300, 420, 160, 36);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    addCrib(QRect(480, 420, 100, 36), richtiguebersetzt);

    auto* help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName(QStringLiteral("Button3"));
    help->setGeometry(20, 535, 100, 32);
    connect(help, &QPushButton::clicked, this, &TForm4::Button3Click);
    addBackButton(QRect(680, 535, 100, 32));
    addFileName(QPoint(150, 490));
}

QWidget* TForm4::returnTarget() const
{
    // The window that opened it (the options window); else the entrance.
    return opener() ? opener() : tavrio::windows().entrance;
}

void TForm4::Button3Click()
{
    tavrio::showMessage(QStringLiteral("Klicke auf \"Start\", tippe die Übersetzung des angezeigten Wortes ein "
                                       "und drücke Enter oder \"Nächstes Wort\"."));
}

void TForm4::Button2Click()
{
    const std::optional<std::string> path = tavrio::engineFileName(fileName());
    if (!path)
        return;
    cReadResult read = cReadResult::Missing;
    std::optional<cThreeLineList> list = FileExists(*path) ? cThreeLineList::read(*path, &read) : std::nullopt;
    if (read == cReadResult::TooLarge) {
        tavrio::showMessage(tavrio::fromAnsi(ListTooLargeMessage(*path)));
        return;
    }
    if (!list) {
        falsch()->setText(QStringLiteral("Datei existiert nicht"));
        tavrio::showMessage(QStringLiteral("Datei existiert NICHT"));
        return;
    }
    bool first = false;
    bool usable = true;
    if (Button2->text() == kStart) {
        first = true;
        Button2->setText(kNext);
        switch (list->check()) {
        case ListCheck::NothingSelected:
            tavrio::showMessage(QStringLiteral("Datei kann nicht verwendet werden (nichts angewählt)!"));
            Button2->setText(kStart);
            usable = false;
            break;
        case ListCheck::BadFormat:
            tavrio::showMessage(QStringLiteral("Datei kann nicht verwendet werden (falsches Dateiformat)!"));
            Button2->setText(kStart);
            usable = false;
            break;
        case ListCheck::Usable:
            break;
        }
    }
    if (usable) {
        if (!first)
            gradeAnswer();
        const int n = list->countSelected();
        if (n > 0) {
            Randomize();
            const auto entry = list->selected(Random(n) + 1);
            Orginal->setText(tavrio::fromAnsi(entry->original));
            richtiguebersetzt->setText(tavrio::fromAnsi(entry->translation));
        } else {
            // The file lost its selected entries since the first question.
            tavrio::showMessage(QStringLiteral("Datei kann nicht verwendet werden (nichts angewählt)!"));
            Button2->setText(kStart);
            Orginal->clear();
            richtiguebersetzt->clear();
        }
        Uebersetzt->clear();
        Uebersetzt->setFocus();
    }
    updateGrade();
}

void TForm4::gradeAnswer()
{
    woerter()->increment();
    if (Uebersetzt->text() != richtiguebersetzt->text()) {
        falsch()->increment();
        Richtigwartext->setText(QStringLiteral("war, ") + richtiguebersetzt->text());
    } else {
        Richtigwartext->setText(QStringLiteral("!"));
    }
    Richtigwartext->adjustSize();
}

void TForm4::updateGrade()
{
    fehler->setText(QString::fromLatin1(tavrio::singlequery::gradeText(woerter()->value(), falsch()->value())));
    centreLabel(fehler, kGradeCentre);
}
