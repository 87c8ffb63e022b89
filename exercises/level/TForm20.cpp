#include "exercises/level/TForm20.h"

#include "engine/Files.h"
#include "exercises/level/LevelCanvas.h"
#include "exercises/level/LevelFile.h"
#include "exercises/level/ToolPictures.h"
#include "ui/Assets.h"
#include "ui/FileNames.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Unsaved.h"
#include "ui/Windows.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <optional>

using namespace tavrio::level;

namespace {
const QString kFilter = QStringLiteral("Level-Dateien (*.lvl)");

// The tool picture of a code, or a plain coloured square while the file is
// missing; a code without a tool (a loaded file may hold 6 .. 9) shows "?".
QPixmap toolPixmap(int code)
{
    if (code < 0 || code >= kToolPictures) {
        QPixmap unknown(kToolPixels, kToolPixels);
        unknown.fill(QColor(200, 200, 200));
        QPainter p(&unknown);
        p.drawText(unknown.rect(), Qt::AlignCenter, QStringLiteral("?"));
        return unknown;
    }
    QPixmap pm = tavrio::loadPicture(QString::fromStdString(toolPicture(code)));
    if (!pm.isNull())
        return pm;
    static const QColor colours[kToolPictures] = {Qt::white, QColor(40, 90, 200), QColor(40, 150, 60),
                                                  QColor(90, 160, 220), QColor(200, 60, 40), QColor(240, 200, 40)};
    pm = QPixmap(kToolPixels, kToolPixels);
    pm.fill(colours[code]);
    return pm;
}

QPushButton* toolButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}
} // namespace

TForm20::TForm20(QWidget* parent)
    : cExerciseWindow(parent, QStringLiteral("TForm20"), QSize(800, 600))
{
    setWindowTitle(QStringLiteral("Level Editor"));
    addLabel(QStringLiteral("Level Editor"), QPoint(30, 20), QStringLiteral("Titel"), 34);

    addLabel(QStringLiteral("Werkzeuge :"), QPoint(545, 70), {}, 15);
    QPushButton* leer = toolButton(this, QStringLiteral("Button5"), QStringLiteral("Leer"), QRect(545, 100, 110, 32));
    QPushButton* mauer = toolButton(this, QStringLiteral("Button4"), QStringLiteral("Mauer"), QRect(665, 100, 110, 32));
    QPushButton* tavrio = toolButton(this, QStringLiteral("Button3"), QStringLiteral("Tavrio"), QRect(545, 150, 110, 32));
    QPushButton* ende = toolButton(this, QStringLiteral("Button2"), QStringLiteral("Ende"), QRect(665, 150, 110, 32));
    QPushButton* abc = toolButton(this, QStringLiteral("Button6"), QStringLiteral("ABC"), QRect(545, 220, 110, 32));
    connect(leer, &QPushButton::clicked, this, &TForm20::Button5Click);
    connect(tavrio, &QPushButton::clicked, this, &TForm20::Button3Click);
    connect(mauer, &QPushButton::clicked, this, &TForm20::Button4Click);
    connect(ende, &QPushButton::clicked, this, &TForm20::Button2Click);
    connect(abc, &QPushButton::clicked, this, &TForm20::Button6Click);
    AnzahlTavrio = addLabel(QStringLiteral("0"), QPoint(590, 186), QStringLiteral("AnzahlTavrio"), 14);
    AnzahlEnde = addLabel(QStringLiteral("0"), QPoint(710, 186), QStringLiteral("AnzahlEnde"), 14);
    AnzahlABC = addLabel(QStringLiteral("0"), QPoint(590, 256), QStringLiteral("AnzahlABC"), 14);
    for (QLabel* l : {AnzahlTavrio, AnzahlEnde, AnzahlABC})
        l->setFixedWidth(40);

    addLabel(QStringLiteral("Gewählt :"), QPoint(668, 228), {}, 14);
    angewaehlt = new QLabel(this);
    angewaehlt->setObjectName(QStringLiteral("angewaehlt"));
    angewaehlt->setGeometry(745, 220, 32, 32);
    angewaehlt->setScaledContents(true);
    angewaehlt->setFrameShape(QFrame::Box);
    angewaehltes = new cCounterField(QStringLiteral("angewaehltes"), this);
    angewaehltes->hide();

    QLabel* hint = addLabel(QStringLiteral("Wähle ein Werkzeug und klicke auf die Felder der Karte. Gespeichert "
                                           "wird nur eine Karte mit genau 1 Tavrio, 1 Ende und 20 ABC-Feldern.\n"
                                           "Tastatur: Pfeiltasten und Leertaste auf der Karte; 0, 1, 2, 4, 5 "
                                           "wählen das Werkzeug; Esc = Zurück."),
                            QPoint(545, 290));
    hint->setWordWrap(true);
    hint->setFixedWidth(230);
    hint->adjustSize();

    Image1 = new cLevelCanvas(this);
    Image1->move(30, 80);
    connect(Image1, &cLevelCanvas::clickedAt, this, &TForm20::Image1Click);

    addLabel(QStringLiteral("Dateiname :"), QPoint(30, 396));
    Dateiname = new QLineEdit(QStringLiteral("Dateiname"), this);
    Dateiname->setObjectName(QStringLiteral("Dateiname"));
    Dateiname->setGeometry(130, 390, 380, 26);
    addLabel(QStringLiteral("Levelname :"), QPoint(30, 434));
    Name = new QLineEdit(QString::fromLatin1(kDefaultName), this);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setGeometry(130, 428, 380, 26);

    QPushButton* speichern = toolButton(this, QStringLiteral("Speichern"), QStringLiteral("Speichern"),
                                        QRect(130, 475, 120, 34));
    connect(speichern, &QPushButton::clicked, this, &TForm20::SpeichernClick);
    QPushButton* laden = toolButton(this, QStringLiteral("Button7"), QStringLiteral("Laden"), QRect(265, 475, 120, 34));
    connect(laden, &QPushButton::clicked, this, &TForm20::Button7Click);
    addBackButton(QRect(665, 545, 110, 34));
    LoadMap = toolButton(this, QStringLiteral("LoadMap"), QStringLiteral("LoadMap"), QRect(0, 0, 10, 10));
    LoadMap->hide();
    connect(LoadMap, &QPushButton::clicked, this, &TForm20::LoadMapClick);

    map_ = editorFrame();
    angewaehltes->setValue(kEmpty);
    markSaved();
}

int TForm20::selectedCode() const { return angewaehltes->value(); }

void TForm20::selectTool(int code)
{
    angewaehltes->setValue(code);
    angewaehlt->setPixmap(toolPixmap(code));
}

void TForm20::Button5Click() { selectTool(kEmpty); }
void TForm20::Button3Click() { selectTool(kStart); }
void TForm20::Button4Click() { selectTool(kWall); }
void TForm20::Button2Click() { selectTool(kExit); }
void TForm20::Button6Click() { selectTool(kLetterField); }

void TForm20::countCells()
{
    AnzahlTavrio->setText(QString::number(map_.count(kStart)));
    AnzahlABC->setText(QString::number(map_.count(kLetterField)));
    AnzahlEnde->setText(QString::number(map_.count(kExit)));
}

void TForm20::LoadMapClick()
{
    const QPixmap empty = toolPixmap(kEmpty);
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column) {
            Image1->drawCell(column, row, empty);
            const int code = map_.at(column, row);
            if (code != kEmpty)
                Image1->drawCell(column, row, toolPixmap(code));
        }
    Image1->update();
}

void TForm20::Image1Click(const QPoint& pos)
{
    int column = 0;
    int row = 0;
    cLevelCanvas::cellAt(pos, column, row);
    if (editable(column, row)) {
        const int code = selectedCode();
        map_.set(column, row, code);
        Image1->drawCell(column, row, toolPixmap(kEmpty));
        if (code != kEmpty)
            Image1->drawCell(column, row, toolPixmap(code));
        Image1->update();
    }
    countCells();
}

QString TForm20::dialogProposal() const
{
    const QString name = Dateiname->text();
    if (dialogDirectory_.isEmpty() || QFileInfo(name).isAbsolute())
        return name;
    return QDir(dialogDirectory_).filePath(QFileInfo(name).fileName());
}

void TForm20::rememberDirectory(const QString& path) { dialogDirectory_ = QFileInfo(path).absolutePath(); }

void TForm20::markSaved()
{
    savedMap_ = map_;
    savedName_ = Name->text();
}

bool TForm20::unsavedChanges() const { return map_ != savedMap_ || Name->text() != savedName_; }

void TForm20::SpeichernClick()
{
    if (!saveable(map_)) {
        tavrio::showMessage(QStringLiteral("Datei kann nicht gespeichert werden!\rVergewissere Dich ob du genau :\r"
                                           "-1 Ende\r-1 Tavrio\r-20 ABC-Felder\rgebaut hast!"));
        return;
    }
    const QString chosen =
        tavrio::seams().files->saveFileName(QStringLiteral("Level speichern"), dialogProposal(), kFilter);
    if (chosen.isEmpty()) {
        tavrio::showMessage(QStringLiteral("NICHT gespeichert !"));
        return;
    }
    const std::optional<std::string> ansi = tavrio::engineBytes(chosen);
    if (!ansi)
        return;
    rememberDirectory(chosen);
    const std::string path = levelFileName(*ansi);
    Dateiname->setText(tavrio::fromAnsi(path));
    // Written whole to a temporary file and renamed, so a failed save leaves
    // an older level as it was.
    if (!WriteFileAtomic(path, formatLevel(map_, tavrio::toAnsi(Name->text())))) {
        tavrio::showMessage(QStringLiteral("NICHT gespeichert !"));
        return;
    }
    markSaved();
    tavrio::showMessage(QStringLiteral("Gespeichert !"));
}

void TForm20::Button7Click()
{
    // A loaded level replaces the map: unsaved work is only given up on "Ja".
    if (!tavrio::mayLoadOver(unsavedChanges()))
        return;
    const QString chosen =
        tavrio::seams().files->openFileName(QStringLiteral("Level laden"), dialogProposal(), kFilter);
    const std::optional<std::string> ansi = chosen.isEmpty() ? std::nullopt : tavrio::engineBytes(chosen);
    const std::string path = ansi.value_or(std::string());
    if (chosen.isEmpty()) {
        tavrio::showMessage(QStringLiteral("NICHT geladen !"));
    } else if (!ansi) {
        // engineBytes has said why.
    } else if (!FileExists(path)) {
        tavrio::showMessage(QStringLiteral("Datei nicht gefunden. NICHT geladen !"));
    } else {
        Dateiname->setText(chosen);
        rememberDirectory(chosen);
        // An unreadable or oversized file loads as an empty one.
        std::string bytes;
        if (ReadFileLimited(path, bytes, kMaxLevelBytes) != cReadResult::Ok)
            bytes.clear();
        const cEditorLoad load = loadEditorLevel(bytes, map_);
        if (load.nameRead)
            Name->setText(tavrio::fromAnsi(load.name));
        markSaved();
        // The map is drawn before the message, so it shows behind the box.
        countCells();
        LoadMapClick();
        tavrio::showMessage(load.ok ? QStringLiteral("Geladen !")
                                    : QStringLiteral("Es sind Fehler beim Laden aufgetreten!24,")
                                          + QString::number(load.stoppedAt));
        return;
    }
    countCells();
    LoadMapClick();
}

void TForm20::showEvent(QShowEvent* event)
{
    cExerciseWindow::showEvent(event);
    // A window manager restoring the window is no new start: the map stays.
    if (event->spontaneous())
        return;
    // The tools show their pictures beside their captions.
    const char* const tools[] = {"Button5", "Button3", "Button4", "Button2", "Button6"};
    const int codes[] = {kEmpty, kStart, kWall, kExit, kLetterField};
    for (int i = 0; i < 5; ++i)
        if (auto* b = findChild<QPushButton*>(QString::fromLatin1(tools[i])))
            b->setIcon(QIcon(toolPixmap(codes[i])));
    for (QLabel* l : {AnzahlTavrio, AnzahlABC, AnzahlEnde})
        l->setText(QStringLiteral("0"));
    selectTool(kEmpty);
    Image1->setBackground(tavrio::loadPicture(QString::fromLatin1(kEditorBackground)));
    map_ = editorFrame();
    markSaved();
    LoadMapClick();
    // The keyboard paints at once.
    Image1->setFocus();
}

void TForm20::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_0: Button5Click(); return;
    case Qt::Key_1: Button3Click(); return;
    case Qt::Key_2: Button4Click(); return;
    case Qt::Key_4: Button2Click(); return;
    case Qt::Key_5: Button6Click(); return;
    default: cExerciseWindow::keyPressEvent(event);
    }
}

namespace tavrio {
void openLevelEditor(QWidget* from)
{
    if (TForm20* w = windows().form20)
        w->openFrom(from);
}
} // namespace tavrio
