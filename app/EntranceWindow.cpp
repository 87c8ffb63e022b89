#include "app/EntranceWindow.h"

#include "app/HouseWindow.h"
#include "app/Layout.h"
#include "app/Messages.h"
#include "engine/Session.h"
#include "exercises/frame/KeyArea.h"
#include "start/StartScreen.h"
#include "tools/options/TForm2.h"
#include "ui/Assets.h"
#include "ui/HelpWindow.h"
#include "ui/Look.h"
#include "ui/Navigation.h"
#include "ui/PictureArea.h"
#include "ui/Progress.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

namespace L = tavrio::layout::entrance;
using tavrio::cPictureArea;

namespace {
const QString kIntroPicture = QStringLiteral("BG\\Intro.bmp");

QSpinBox* hiddenCounter(const QString& name, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-1000000, 1000000);
    box->setValue(value);
    box->hide();
    return box;
}

QLabel* hiddenPicture(const QString& name, const QRect& rect, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->hide();
    return label;
}

QFont boldFont(int pixelSize)
{
    QFont f;
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}
} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tavrio"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    Image1 = new cPictureArea(QStringLiteral("Image1"), QRect(0, 0, 800, 600), this);
    Image1->hide();
    connect(Image1, &cPictureArea::mouseMoved, this, &TForm1::Image1MouseMove);

    // Each door takes the size of its hover picture.
    StartPicture = hiddenPicture(QStringLiteral("StartPicture"), L::start, this);
    Optionenpicture = hiddenPicture(QStringLiteral("Optionenpicture"), L::options, this);
    Endepicture = hiddenPicture(QStringLiteral("Endepicture"), L::quit, this);
    struct Door {
        cPictureArea*& area;
        const char* name;
        QRect rect;
        const char* hint;
        QLabel* picture;
        void (TForm1::*move)();
        void (TForm1::*click)();
    };
    const Door doors[] = {
        {Start, "Start", L::start, "Tavrio's Haus betreten", StartPicture, &TForm1::StartMouseMove, &TForm1::StartClick},
        {Optionen, "Optionen", L::options, "Optionen von Tavrio", Optionenpicture, &TForm1::OptionenMouseMove,
         &TForm1::OptionenClick},
        {Ende, "Ende", L::quit, "Tavrio beenden", Endepicture, &TForm1::EndeMouseMove, &TForm1::EndeClick},
    };
    for (const Door& d : doors) {
        // Tab reaches the doors; Return or Space opens them.
        d.area = new cKeyArea(QLatin1String(d.name), d.rect, this);
        d.area->setToolTip(QString::fromUtf8(d.hint));
        d.area->setCursor(Qt::PointingHandCursor);
        d.area->hide();
        doors_.add(d.area, d.picture, tavrio::layout::litPicture("Eingang", d.name));
        connect(d.area, &cPictureArea::mouseMoved, this, d.move);
        connect(d.area, &cPictureArea::focused, this, d.move);
        connect(d.area, &cPictureArea::clicked, this, d.click);
    }

    Impressum = new cPictureArea(QStringLiteral("Impressum"), L::impressum, this);
    Impressum->setText(QStringLiteral("Impressum"));
    QFont link = Impressum->font();
    link.setUnderline(true);
    Impressum->setFont(link);
    tavrio::setTextColour(Impressum, Qt::white); // all colour groups: also while disabled
    Impressum->setKeyReachable();
    Impressum->hide();
    connect(Impressum, &cPictureArea::clicked, this, &TForm1::ImpressumClick);
    // Only one thing is lit at a time: a door goes dark when the focus leaves it.
    connect(Impressum, &cPictureArea::focused, this, &TForm1::Image1MouseMove);

    Hilfe = new cKeyArea(QStringLiteral("Hilfe"), L::help, this);
    Hilfe->setToolTip(QStringLiteral("Hilfe!!!"));
    Hilfe->setCursor(Qt::PointingHandCursor);
    Hilfe->hide();
    connect(Hilfe, &cPictureArea::clicked, this, &TForm1::HilfeClick);
    connect(Hilfe, &cPictureArea::focused, this, &TForm1::Image1MouseMove);

    IntroBild = new cPictureArea(QStringLiteral("IntroBild"), QRect(0, 0, 800, 600), this);
    IntroBild->setPixmap(tavrio::loadPicture(kIntroPicture));
    connect(IntroBild, &cPictureArea::clicked, this, [this] {
        if (introRunning())
            endIntro();
    });
    Introtext = new QLabel(QStringLiteral("Gleich gehts los :"), this);
    Introtext->setObjectName(QStringLiteral("Introtext"));
    Introtext->setAlignment(Qt::AlignCenter);
    Introtext->setFont(boldFont(34));
    tavrio::setTextColour(Introtext, QColor(90, 45, 0));
    Introstand = new QLabel(QStringLiteral("3"), this);
    Introstand->setObjectName(QStringLiteral("Introstand"));
    Introstand->setAlignment(Qt::AlignCenter);
    Introstand->setFont(boldFont(72));
    tavrio::setTextColour(Introstand, QColor(208, 64, 0));
    for (QLabel* l : {Introtext, Introstand})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);

    Startvalue = hiddenCounter(QStringLiteral("Startvalue"), 1, this);
    SpinEdit1 = hiddenCounter(QStringLiteral("SpinEdit1"), 3, this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    // FormCreate: as large as the screen, the 800 x 600 layout in its middle.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    setGeometry(area);
    layOutFor(area.size());
}

void TForm1::layOutFor(QSize screen)
{
    resize(screen);
    const QSize off = tavrio::centringOffset(screen, QSize(800, 600));
    const QPoint shift(off.width(), off.height());
    offset_ = shift;
    Image1->move(shift);
    Start->setGeometry(L::start.translated(shift));
    Optionen->setGeometry(L::options.translated(shift));
    Ende->setGeometry(L::quit.translated(shift));
    StartPicture->setGeometry(Start->geometry());
    Optionenpicture->setGeometry(Optionen->geometry());
    Endepicture->setGeometry(Ende->geometry());
    Impressum->setGeometry(L::impressum.translated(shift));
    Hilfe->setGeometry(L::help.translated(shift));
    // The intro is centred by its own picture's size.
    const QSize intro =
        IntroBild->pixmap().isNull() ? QSize(800, 600) : IntroBild->pixmap().deviceIndependentSize().toSize();
    const QSize introOff = tavrio::centringOffset(screen, intro);
    const QPoint introShift(introOff.width(), introOff.height());
    IntroBild->setGeometry(QRect(introShift, intro));
    Introtext->setGeometry(L::introText.translated(introShift));
    Introstand->setGeometry(L::introCount.translated(introShift));
}

bool TForm1::introRunning() const { return Timer1->isActive(); }

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormShow()
{
    if (Startvalue->value() != 1)
        return;
    Startvalue->setValue(0);
    Timer1->start();
}

void TForm1::Timer1Timer()
{
    if (SpinEdit1->value() > 1) {
        SpinEdit1->setValue(SpinEdit1->value() - 1);
        Introstand->setText(QString::number(SpinEdit1->value()));
        return;
    }
    endIntro();
}

void TForm1::endIntro()
{
    setEnabled(false);
    auto& w = tavrio::windows();
    if (w.formStart) {
        tavrio::openWindow(this, w.formStart);
        w.formStart->showPage(TFormStart::LoginPage);
    }
    IntroBild->hide();
    IntroBild->clear();
    IntroBild->resize(1, 1);
    Introtext->hide();
    Introstand->hide();
    // The house front is hidden behind the intro until now.
    const QPixmap bg = tavrio::loadPicture(QStringLiteral("BG\\Eingang.bmp"));
    Image1->setPixmap(bg);
    Image1->resize(bg.isNull() ? QSize(800, 600) : bg.deviceIndependentSize().toSize());
    for (QWidget* v : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Start),
                       static_cast<QWidget*>(Optionen), static_cast<QWidget*>(Ende),
                       static_cast<QWidget*>(Impressum)})
        v->show();
    Timer1->stop();
    if (w.formStart)
        w.formStart->CheckVersion(2);
    Hilfe->show();
    Hilfe->raise();
}

void TForm1::StartMouseMove() { doors_.light(Start); }
void TForm1::OptionenMouseMove() { doors_.light(Optionen); }
void TForm1::EndeMouseMove() { doors_.light(Ende); }
void TForm1::Image1MouseMove() { doors_.clear(); }

// Without a learner, or without words to practise, the house would stay
// empty: the start screen comes back on the page that is missing.
void TForm1::StartClick()
{
    auto& w = tavrio::windows();
    const cSession* s = tavrio::session();
    if (s && s->CountWords(3) > 0) {
        tavrio::openWindow(this, w.form8);
        return;
    }
    if (!w.formStart)
        return;
    tavrio::openWindow(this, w.formStart);
    if (s)
        w.formStart->showPage(TFormStart::ListSelectionPage);
}

void TForm1::OptionenClick()
{
    if (TForm2* options = tavrio::windows().form2)
        options->openFrom(this);
}

void TForm1::EndeClick()
{
    tavrio::openWindow(this, tavrio::windows().formStart);
    // Asked for by the learner: a failure is told every time.
    if (cSession* s = tavrio::session()) {
        if (!s->SaveProfile())
            tavrio::showMessage(tavrio::saveFailedMessage());
    }
}

void TForm1::ImpressumClick() { tavrio::showImpressum(); }

void TForm1::HilfeClick() { tavrio::showHelp(QStringLiteral("Hilfe\\Start.bmp")); }

// Around the 800 x 600 picture the sky and the grass go on to the screen's
// edges.
void TForm1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int horizon = offset_.y() + L::horizon;
    QLinearGradient sky(0, offset_.y(), 0, horizon);
    sky.setColorAt(0, QColor(L::skyTop));
    sky.setColorAt(1, QColor(L::skyBottom));
    p.fillRect(QRect(0, 0, width(), horizon), sky);
    QLinearGradient grass(0, horizon, 0, offset_.y() + 600);
    grass.setColorAt(0, QColor(L::grassTop));
    grass.setColorAt(1, QColor(L::grassBottom));
    p.fillRect(QRect(0, horizon, width(), height() - horizon), grass);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (introRunning()) {
        endIntro();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    if (introRunning()) {
        endIntro();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The program ends here; what was learnt since the last save is kept.
    tavrio::saveProgress();
    Image1->resize(1, 1);
    Image1->clear();
    event->accept();
    QCoreApplication::quit();
}
