#include "tools/options/TForm2.h"

#include "exercises/hidden/TForm5.h"
#include "exercises/level/TForm20.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/wordsearch/TForm14.h"
#include "tools/grammar/TForm6.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Windows are found by the names they carry, so a window that joins the
// program later is reached without wiring here; one that is not created
// yet is skipped.
QWidget* windowNamed(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// The file name field: "dateiname" in the exercises, "Dateiname" in the
// options window and the vocabulary editor.
QLineEdit* fileNameField(QWidget* window)
{
    for (const char* name : {"dateiname", "Dateiname"})
        if (auto* field = window->findChild<QLineEdit*>(QLatin1String(name)))
            return field;
    return nullptr;
}

QCheckBox* cribSwitch(const char* name, QPoint at, QWidget* parent)
{
    auto* box = new QCheckBox(QStringLiteral("Spicker einschalten"), parent);
    box->setObjectName(QLatin1String(name));
    box->move(at);
    box->adjustSize();
    return box;
}

QPushButton* button(const char* name, const QString& caption, const QRect& rect, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(rect);
    return b;
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm2"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Vokabeln - Optionen"));
    QFont page = font();
    page.setPixelSize(16);
    setFont(page);
    addBackground(QStringLiteral("BG\\Optionen.bmp"));

    QLabel* title = addLabel(QStringLiteral("Vokabeln - Optionen"), QPoint(0, 22), QStringLiteral("Label1"), 34);
    centreLabel(title, 400);

    // The file every exercise names.
    addLabel(QStringLiteral("Ladeeigenschaften für Vokabeln"), QPoint(50, 96), QStringLiteral("Label3"), 20);
    addLabel(QStringLiteral("Vokabeldatei"), QPoint(124, 136), QStringLiteral("Label8"));
    addLabel(QStringLiteral("Datei :"), QPoint(50, 166), QStringLiteral("Label2"));
    Dateiname = new QLineEdit(QStringLiteral("Vokabeln.vok"), this);
    Dateiname->setObjectName(QStringLiteral("Dateiname"));
    Dateiname->setEnabled(false);
    Dateiname->setGeometry(120, 160, 406, 30);
    // Disabled as a field the learner cannot type into, but readable.
    QPalette readable = Dateiname->palette();
    readable.setColor(QPalette::Disabled, QPalette::Text, readable.color(QPalette::Active, QPalette::Text));
    Dateiname->setPalette(readable);
    auto* choose = button("Button2", QStringLiteral("andere Datei auswählen"), QRect(540, 140, 220, 34), this);
    connect(choose, &QPushButton::clicked, this, &TForm2::Button2Click);
    auto* edit = button("Button4", QStringLiteral("Datei editieren"), QRect(540, 186, 220, 34), this);
    connect(edit, &QPushButton::clicked, this, &TForm2::Button4Click);

    // The cribs of three exercises; the single query can be started here.
    addLabel(QStringLiteral("Eigenschaften bei >Einzelabfrage<"), QPoint(50, 264), QStringLiteral("Label5"), 17);
    Einzelabfragespicker = cribSwitch("Einzelabfragespicker", QPoint(70, 292), this);
    connect(Einzelabfragespicker, &QCheckBox::toggled, this, &TForm2::ckerClick);
    auto* single = button("Einzelabfrage", QStringLiteral("Einzelabfrage starten"), QRect(300, 288, 220, 32), this);
    connect(single, &QPushButton::clicked, this, &TForm2::EinzelabfrageClick);
    addLabel(QStringLiteral("Eigenschaften beim >Versteckt, aber wo<"), QPoint(50, 332), QStringLiteral("Label4"), 17);
    Lernspielspicker = cribSwitch("Lernspielspicker", QPoint(70, 360), this);
    connect(Lernspielspicker, &QCheckBox::toggled, this, &TForm2::LernspielspickerClick);
    addLabel(QStringLiteral("Eigenschaften bei >Wörter suchen<"), QPoint(50, 396), QStringLiteral("Label6"), 17);
    Kreuzwortraetselspicker = cribSwitch("Kreuzwortraetselspicker", QPoint(70, 424), this);
    connect(Kreuzwortraetselspicker, &QCheckBox::toggled, this, &TForm2::KreuzwortraetselspickerClick);

    addLabel(QStringLiteral("Eigenschaften beim >Hilf Papa! und Seenot!<"), QPoint(50, 460), QStringLiteral("Label7"), 17);
    auto* level = button("Button5", QStringLiteral("Level für \"Hilf Papa!\" und \"Seenot!\" editieren"),
                         QRect(70, 486, 420, 34), this);
    connect(level, &QPushButton::clicked, this, &TForm2::Button5Click);

    addHelpButton(QRect(30, 550, 120, 36), QStringLiteral("Hilfe\\Optionen.bmp"));
    auto* grammar = button("Grammatik", QStringLiteral("Grammatik-Notizen"), QRect(300, 550, 200, 36), this);
    connect(grammar, &QPushButton::clicked, this, &TForm2::GrammatikClick);
    addBackButton(QRect(650, 550, 120, 36));
}

const QStringList& TForm2::fileNameWindows()
{
    static const QStringList order = {
        QStringLiteral("TForm2"),  QStringLiteral("TForm3"),  QStringLiteral("TForm5"),  QStringLiteral("TForm4"),
        QStringLiteral("TForm12"), QStringLiteral("TForm14"), QStringLiteral("TForm16"), QStringLiteral("TForm17"),
        QStringLiteral("TForm18"), QStringLiteral("TForm21"), QStringLiteral("TForm22"), QStringLiteral("TForm23"),
        QStringLiteral("TForm24")};
    return order;
}

QWidget* TForm2::returnTarget() const { return tavrio::windows().entrance; }

void TForm2::Button2Click()
{
    const QString chosen = tavrio::seams().files->openFileName(
        QStringLiteral("Vokabeldatei auswählen"), Dateiname->text(), QStringLiteral("Vokabeln-Dateien (*.vok)"));
    if (chosen.isEmpty()) {
        tavrio::showMessage(QStringLiteral("Auswahl NICHT erfolgt"));
        return;
    }
    for (const QString& name : fileNameWindows()) {
        QWidget* window = name == objectName() ? this : windowNamed(name);
        if (QLineEdit* field = window ? fileNameField(window) : nullptr)
            field->setText(chosen);
    }
    tavrio::showMessage(QStringLiteral("Auswahl erfolgt !"));
}

// The vocabulary editor takes its place here once the program creates it;
// until then the button leaves the options as they are.
void TForm2::Button4Click()
{
    if (TForm3* editor = tavrio::windows().form3)
        editor->openFrom(this);
}

void TForm2::Button5Click()
{
    if (TForm20* editor = tavrio::windows().form20)
        editor->openFrom(this);
}

void TForm2::Button3Click() { helpClick(); }

void TForm2::ckerClick()
{
    if (TForm4* w = tavrio::windows().form4)
        w->setCribEnabled(Einzelabfragespicker->isChecked());
}

void TForm2::LernspielspickerClick()
{
    if (TForm5* w = tavrio::windows().form5)
        w->setCribEnabled(Lernspielspicker->isChecked());
}

void TForm2::KreuzwortraetselspickerClick()
{
    if (TForm14* w = tavrio::windows().form14)
        w->setCribEnabled(Kreuzwortraetselspicker->isChecked());
}

void TForm2::EinzelabfrageClick()
{
    TForm4* w = tavrio::windows().form4;
    if (!w)
        return;
    w->setFileName(Dateiname->text());
    w->openFrom(this);
}

void TForm2::GrammatikClick()
{
    if (TForm6* notes = tavrio::windows().form6)
        notes->openFrom(this);
}
