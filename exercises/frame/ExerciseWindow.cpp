#include "exercises/frame/ExerciseWindow.h"

#include "exercises/frame/Crib.h"
#include "ui/Assets.h"
#include "ui/Look.h"
#include "ui/HelpWindow.h"
#include "ui/Navigation.h"
#include "ui/Progress.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Unsaved.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {
// The window's picture, drawn as it is also while the window is disabled
// behind another one (a plain QLabel greys its picture then): the single
// query, 15 units shorter, leaves bands of the options window showing.
class cBackground : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawPixmap(0, 0, pixmap());
    }
};
} // namespace

cExerciseWindow::cExerciseWindow(QWidget* parent, const QString& name, QSize clientSize)
    : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    tavrio::makeFixedBorderless(this, clientSize);
}

void cExerciseWindow::openFrom(QWidget* opener)
{
    opener_ = opener;
    tavrio::openWindow(opener, this);
}

void cExerciseWindow::setCribEnabled(bool enabled)
{
    if (crib_)
        crib_->setEnabled(enabled);
}

bool cExerciseWindow::cribEnabled() const { return crib_ && crib_->isEnabled(); }

void cExerciseWindow::setFileName(const QString& name)
{
    if (fileName_)
        fileName_->setText(name);
}

QString cExerciseWindow::fileName() const { return fileName_ ? fileName_->text() : QString(); }

void cExerciseWindow::centreLabel(QLabel* label, int x)
{
    tavrio::adjustSizeWhenShown(label, [label, x] { label->move(x - label->width() / 2, label->y()); });
}

void cExerciseWindow::fitFont(QWidget* w, const QString& text, int pixelSize, int width)
{
    QFont f = w->font();
    for (int px = pixelSize; px >= 10; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= width)
            break;
    }
    w->setFont(f);
}

void cExerciseWindow::Button1Click() { close(); }

void cExerciseWindow::SpickerClick()
{
    if (!cribSource_)
        return;
    const std::string letters = tavrio::exercises::cribLetters(tavrio::toAnsi(cribSource_->text()));
    // Nothing to scramble (no question yet): no message at all.
    if (!letters.empty())
        tavrio::showMessage(tavrio::fromAnsi(letters));
}

void cExerciseWindow::helpClick()
{
    if (!helpPath_.isEmpty())
        tavrio::showHelp(helpPath_);
}

QLabel* cExerciseWindow::addBackground(const QString& windowsPath, const QString& name)
{
    backgroundPath_ = windowsPath;
    background_ = new cBackground(this);
    background_->setObjectName(name);
    background_->setGeometry(0, 0, 1, 1);
    background_->lower();
    return background_;
}

QPushButton* cExerciseWindow::addBackButton(const QRect& geometry, const QString& name)
{
    auto* b = new QPushButton(QStringLiteral("Zurück"), this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    connect(b, &QPushButton::clicked, this, &cExerciseWindow::Button1Click);
    return b;
}

QPushButton* cExerciseWindow::addHelpButton(const QRect& geometry, const QString& windowsPath, const QString& name)
{
    helpPath_ = windowsPath;
    auto* b = new QPushButton(QStringLiteral("Hilfe"), this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    connect(b, &QPushButton::clicked, this, &cExerciseWindow::helpClick);
    return b;
}

void cExerciseWindow::addCounters()
{
    woerter_ = new cCounterField(QStringLiteral("woerter"), this);
    woerter_->hide();
    falsch_ = new cCounterField(QStringLiteral("falsch"), this);
    falsch_->hide();
}

QLineEdit* cExerciseWindow::addFileName(QPoint labelAt)
{
    QLabel* label = addLabel(QStringLiteral("Vokabeln aus der Datei :"), labelAt);
    fileName_ = new QLineEdit(QStringLiteral("vokabeln.vok"), this);
    fileName_->setObjectName(QStringLiteral("dateiname"));
    fileName_->setReadOnly(true);
    fileName_->setEnabled(false);
    fileName_->setGeometry(labelAt.x(), labelAt.y() - 3, 180, 24);
    tavrio::placeAfterWhenShown(label, fileName_, 8);
    return fileName_;
}

QPushButton* cExerciseWindow::addCrib(const QRect& geometry, QLineEdit* expected)
{
    cribSource_ = expected;
    crib_ = new QPushButton(QStringLiteral("Spicker"), this);
    crib_->setObjectName(QStringLiteral("Spicker"));
    crib_->setGeometry(geometry);
    crib_->setEnabled(false);
    connect(crib_, &QPushButton::clicked, this, &cExerciseWindow::SpickerClick);
    return crib_;
}

QLabel* cExerciseWindow::addLabel(const QString& text, QPoint at, const QString& name, int pixelSize)
{
    auto* l = new QLabel(text, this);
    if (!name.isEmpty())
        l->setObjectName(name);
    if (pixelSize > 0) {
        QFont f = l->font();
        f.setPixelSize(pixelSize);
        f.setBold(true);
        l->setFont(f);
    }
    l->move(at);
    tavrio::adjustSizeWhenShown(l);
    return l;
}

QLineEdit* cExerciseWindow::addHiddenEdit(const QString& name)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->hide();
    return e;
}

void cExerciseWindow::showEvent(QShowEvent* event)
{
    if (background_) {
        background_->setPixmap(tavrio::loadPicture(backgroundPath_));
        background_->adjustSize();
        background_->lower();
    }
    QWidget::showEvent(event);
}

void cExerciseWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible() && !tavrio::mayCloseWith(unsavedChanges())) {
        event->ignore();
        return;
    }
    // Release the bitmap while the window is hidden.
    if (background_) {
        background_->clear();
        background_->resize(1, 1);
    }
    event->accept();
    tavrio::returnTo(nullptr, returnTarget());
    // Every way back to a room keeps the answers given so far.
    tavrio::saveProgress();
}

void cExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
