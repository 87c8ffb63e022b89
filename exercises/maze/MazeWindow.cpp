#include "exercises/maze/MazeWindow.h"

#include "exercises/frame/WordDraw.h"
#include "exercises/maze/MazeRules.h"
#include "ui/FileNames.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {
const QString kStart = QStringLiteral("Start");
const QString kSolve = QStringLiteral("Auflösen");
constexpr int kOriginalPixels = 26;
constexpr int kOriginalHeight = 34;

int arrowCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return tavrio::maze::kKeyLeft;
    case Qt::Key_Up: return tavrio::maze::kKeyUp;
    case Qt::Key_Right: return tavrio::maze::kKeyRight;
    case Qt::Key_Down: return tavrio::maze::kKeyDown;
    default: return 0;
    }
}
} // namespace

cMazeWindow::cMazeWindow(QWidget* parent, const QString& name, const QString& background, const QString& help,
                         const tavrio::maze::cPictureLists& pictures)
    : cExerciseWindow(parent, name, QSize(800, 600))
{
    // Watch every child as it is added, so the keys reach the game from
    // whichever child has the focus.
    installEventFilter(this);
    addBackground(background, QStringLiteral("Hintergrund"));
    Orginallabel = new QLabel(this);
    Orginallabel->setObjectName(QStringLiteral("Orginallabel"));
    richtiguebersetzt = addHiddenEdit(QStringLiteral("richtiguebersetzt"));
    Uebersetzt = addHiddenEdit(QStringLiteral("Uebersetzt"));
    Level = addHiddenEdit(QStringLiteral("Level"));
    Level->setText(QStringLiteral("Start.lvl"));
    Levelname = new QLabel(this);
    Levelname->setObjectName(QStringLiteral("Levelname"));
    Stopnow = new cCounterField(QStringLiteral("Stopnow"), this);
    tavriopos = new cCounterField(QStringLiteral("tavriopos"), this);
    endpos = new cCounterField(QStringLiteral("endpos"), this);
    for (cCounterField* f : {Stopnow, tavriopos, endpos})
        f->hide();
    Button2 = new QPushButton(kStart, this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &cMazeWindow::Button2Click);
    feld = new cMazeField(pictures, this);
    // The file name the options window hands every exercise; kept, not shown.
    QLineEdit* fileName = addFileName(QPoint(0, 0));
    fileName->hide();
    for (QLabel* label : findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Vokabeln aus der Datei :"))
            label->hide();

    Image1 = addHelpButton(QRect(20, 555, 100, 32), help, QStringLiteral("Image1"));
    connect(Image1, &QPushButton::clicked, this, &cMazeWindow::pause);
    Image3 = new QPushButton(QStringLiteral("Level wählen"), this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(335, 555, 130, 32);
    connect(Image3, &QPushButton::clicked, this, &cMazeWindow::Image3Click);
    Image2 = addBackButton(QRect(680, 555, 100, 32), QStringLiteral("Image2"));
    // Return acts on the focused button as Space does.
    for (QPushButton* b : {Image1, Image3, Image2})
        b->setAutoDefault(true);
}

void cMazeWindow::watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watch(child);
}

bool cMazeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        watch(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != this)
        return false;
    // Esc passes on to the frame, which goes back.
    if (const int code = arrowCode(static_cast<QKeyEvent*>(event)->key())) {
        arrowKey(code);
        return true;
    }
    return false;
}

void cMazeWindow::closeEvent(QCloseEvent* event)
{
    feld->releasePictures();
    cExerciseWindow::closeEvent(event);
}

void cMazeWindow::prepareFromRoom()
{
    Level->setText(QStringLiteral("Start.lvl"));
    Stopnow->setValue(0);
    feld->clear();
    Button2->setText(kStart);
    Button2Click();
}

void cMazeWindow::addHeading(const QString& title, const QString& prompt, QPoint originalAt)
{
    setWindowTitle(title);
    addLabel(title, QPoint(24, 16), QStringLiteral("Titel"), 34);
    addLabel(prompt, QPoint(200, 92), {}, 18);
    Orginallabel->move(originalAt);
    QFont big = Orginallabel->font();
    big.setPixelSize(kOriginalPixels);
    big.setBold(true);
    Orginallabel->setFont(big);
    Orginallabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool cMazeWindow::roundRunning() const { return Button2->text() == kSolve; }

void cMazeWindow::Button2Click()
{
    bool starting = false;
    if (Button2->text() == kStart) {
        Button2->setText(kSolve);
        starting = true;
    } else if (Button2->text() == kSolve) {
        Button2->setText(kStart);
    }
    if (starting) {
        // Without words the round does not start, and is not tried again.
        if (!startRound())
            Button2->setText(kStart);
        return;
    }
    if (Button2->text() == kStart)
        Button2Click();
}

void cMazeWindow::Image3Click()
{
    pause();
    const QString chosen = tavrio::seams().files->openFileName(QStringLiteral("Level laden"), Level->text(),
                                                               QStringLiteral("Level-Dateien (*.lvl)"));
    if (chosen.isEmpty())
        return;
    // A name Windows-1252 cannot hold is refused with a message.
    const std::optional<std::string> name = tavrio::engineFileName(chosen);
    if (!name)
        return;
    Level->setText(tavrio::fromAnsi(*name));
    Stopnow->setValue(0);
    feld->clear();
    Button2->setText(kStart);
    Button2Click();
}

bool cMazeWindow::drawPair()
{
    const bool drawn = tavrio::exercises::drawWord(tavrio::session(), original_, translation_) ==
                       tavrio::exercises::DrawResult::Drawn;
    showOriginal(tavrio::fromAnsi(original_));
    richtiguebersetzt->setText(tavrio::fromAnsi(translation_));
    if (!drawn) {
        feld->clear();
        tavrio::showMessage(QStringLiteral("Es sind keine Vokabeln geladen. Bitte wähle zuerst eine Vokabelliste aus!"));
    }
    return drawn;
}

void cMazeWindow::showOriginal(const QString& text)
{
    // A long word is set smaller, down to 14 px, so it stays inside its
    // panel; what is still too wide is cut, and the hint shows it whole.
    const int room = 786 - Orginallabel->x();
    QFont f = Orginallabel->font();
    f.setPixelSize(kOriginalPixels);
    Orginallabel->setMaximumWidth(QWIDGETSIZE_MAX);
    Orginallabel->setText(text);
    for (;;) {
        Orginallabel->setFont(f);
        Orginallabel->adjustSize();
        if (Orginallabel->width() <= room || f.pixelSize() <= 14)
            break;
        f.setPixelSize(f.pixelSize() - 2);
    }
    Orginallabel->setMaximumWidth(room);
    // Smaller text stays on the line of the large one.
    Orginallabel->resize(std::min(Orginallabel->width(), room), kOriginalHeight);
    Orginallabel->setToolTip(text);
}

tavrio::level::cLevelRound cMazeWindow::readLevel(tavrio::level::Game game)
{
    using namespace tavrio::level;
    const std::string letters = letterSet(translation_);
    cLevelRound round = tavrio::level::readLevel(tavrio::toAnsi(Level->text()), letters, game);
    for (const std::string& m : round.messages)
        tavrio::showMessage(tavrio::fromAnsi(m));
    Levelname->setText(tavrio::fromAnsi(round.levelName));
    Levelname->adjustSize();
    mirrorPositions(round.playerPos, round.exitPos);
    return round;
}

void cMazeWindow::handIn(const std::string& given)
{
    const bool right = tavrio::maze::handIn(tavrio::session(), original_, given, translation_);
    tavrio::showMessage(tavrio::fromAnsi(tavrio::maze::roundEndMessage(right, translation_)));
}

void cMazeWindow::mirrorPositions(int player, int exit)
{
    tavriopos->setValue(player);
    endpos->setValue(exit);
}
