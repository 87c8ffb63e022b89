#include "tools/grammar/TForm6.h"

#include "engine/Files.h"
#include "tools/grammar/GrammarText.h"
#include "ui/FileNames.h"
#include "ui/Frame.h"
#include "ui/Look.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Unsaved.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocument>

namespace {
const QString kNotFound = QStringLiteral("Datei NICHT gefunden !");

QFont comicSans(int pixelSize)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(pixelSize);
    return f;
}
} // namespace

TForm6::TForm6(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm6"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Vokabeln - Grammatik"));
    QFont page = font();
    page.setPixelSize(16);
    setFont(page);
    QLabel* title = addLabel(QStringLiteral("Vokabeln - Grammatik"), QPoint(40, 24), QStringLiteral("Label1"));
    title->setFont(comicSans(34));
    tavrio::adjustSizeWhenShown(title);
    QLabel* fileLabel = addLabel(QStringLiteral("Vokabeln aus der Datei :"), QPoint(40, 94), QStringLiteral("Label6"));
    fileLabel->setFont(comicSans(18));

    dateiname = new QLineEdit(QStringLiteral("grammatik.gra"), this);
    dateiname->setObjectName(QStringLiteral("dateiname"));
    dateiname->setGeometry(fileLabel->x(), 90, 740 - fileLabel->x(), 30);
    tavrio::placeAfterWhenShown(fileLabel, dateiname, 11, 740);

    Memo1 = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(40, 136, 720, 380);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the buttons instead of typing a tab character.
    Memo1->setTabChangesFocus(true);
    tavrio::setVisibleFrame(Memo1);
    QFont memoFont = Memo1->font();
    memoFont.setPixelSize(16);
    Memo1->setFont(memoFont);

    Laden = new QPushButton(QStringLiteral("Laden"), this);
    Laden->setObjectName(QStringLiteral("Laden"));
    Laden->setGeometry(40, 540, 130, 36);
    connect(Laden, &QPushButton::clicked, this, &TForm6::LadenClick);
    Speichern = new QPushButton(QStringLiteral("Speichern"), this);
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Speichern->setGeometry(186, 540, 130, 36);
    connect(Speichern, &QPushButton::clicked, this, &TForm6::SpeichernClick);
    // The help button has no action of its own.
    auto* help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName(QStringLiteral("Button2"));
    help->setGeometry(500, 540, 110, 36);
    addBackButton(QRect(630, 540, 130, 36));
    Memo1->document()->setModified(false);
}

void TForm6::showEvent(QShowEvent* event)
{
    cExerciseWindow::showEvent(event);
    // The notes take the keyboard when the window opens.
    if (!event->spontaneous())
        Memo1->setFocus();
}

bool TForm6::unsavedChanges() const { return Memo1->document()->isModified(); }

QWidget* TForm6::returnTarget() const
{
    return opener() ? opener() : tavrio::windows().entrance;
}

std::vector<std::string> TForm6::memoLines() const
{
    QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return {};
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(tavrio::toAnsi(line));
    return lines;
}

void TForm6::setMemoLines(const std::vector<std::string>& lines)
{
    QStringList text;
    text.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        text << tavrio::fromAnsi(line);
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    Memo1->document()->setModified(false);
}

void TForm6::LadenClick()
{
    // A loaded file replaces the notes: unsaved ones are only given up on "Ja".
    if (!tavrio::mayLoadOver(unsavedChanges()))
        return;
    const QString chosen = tavrio::seams().files->openFileName(
        QStringLiteral("Grammatik laden"), dateiname->text(), QStringLiteral("Grammatik-Dateien (*.gra)"));
    if (chosen.isEmpty()) {
        tavrio::showMessage(QStringLiteral("NICHT geladen !"));
        return;
    }
    // A name the engine cannot hold is refused with its own message.
    const std::optional<std::string> name = tavrio::engineFileName(chosen);
    if (!name)
        return;
    std::string bytes;
    switch (ReadFileLimited(*name, bytes, tavrio::grammar::kMaxGrammarFileBytes)) {
    case cReadResult::Ok:
        break;
    case cReadResult::Missing:
        Memo1->setPlainText(kNotFound);
        Memo1->document()->setModified(false);
        tavrio::showMessage(kNotFound);
        return;
    case cReadResult::Unreadable:
        tavrio::showMessage(QStringLiteral("Datei konnte NICHT gelesen werden !"));
        return;
    case cReadResult::TooLarge:
        tavrio::showMessage(QStringLiteral("Die Datei ist zu groß und wurde NICHT geladen !"));
        return;
    }
    dateiname->setText(chosen);
    const tavrio::grammar::cGrammarText text = tavrio::grammar::ParseGrammar(bytes);
    setMemoLines(text.lines);
    if (text.cut)
        tavrio::showMessage(QStringLiteral("Die Datei ist zu groß, nur ihr Anfang wurde geladen !\r\n"
                                           "Speicherst du sie, fehlt der Rest."));
}

void TForm6::SpeichernClick()
{
    const QString chosen = tavrio::seams().files->saveFileName(
        QStringLiteral("Grammatik speichern"), dateiname->text(), QStringLiteral(" Grammatik-Dateien (*.gra)"));
    if (chosen.isEmpty()) {
        tavrio::showMessage(QStringLiteral("NICHT gespeichert"));
        return;
    }
    const std::optional<std::string> name = tavrio::engineFileName(chosen);
    if (!name)
        return;
    dateiname->setText(chosen);
    // Written whole to a temporary file and renamed, so a failure keeps the
    // old notes as they were.
    if (!WriteFileAtomic(*name, tavrio::grammar::FormatGrammar(memoLines()))) {
        tavrio::showMessage(QStringLiteral("Datei konnte NICHT gespeichert werden !\r\nDie alte Datei bleibt, wie sie war."));
        return;
    }
    Memo1->document()->setModified(false);
    tavrio::showMessage(QStringLiteral("Gespeichert !"));
}
