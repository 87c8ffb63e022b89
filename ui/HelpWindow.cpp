#include "ui/HelpWindow.h"

#include "ui/Assets.h"
#include "ui/Look.h"
#include "ui/Navigation.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TForm15::TForm15(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm15"));
    setWindowTitle(QStringLiteral("Hilfe von Tavrio"));
    Thema = new QLabel(this);
    Thema->setObjectName(QStringLiteral("Thema"));
    Thema->setGeometry(0, 0, 800, 600);
    Thema->setAlignment(Qt::AlignCenter);
    tavrio::setBackground(Thema, Qt::white);
    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    // In the top left corner inside the help pictures' frame, which the
    // pictures keep free (their texts may run down to the frame).
    Schliessen->setGeometry(28, 26, 112, 34);
    connect(Schliessen, &QPushButton::clicked, this, &TForm15::SchliessenClick);
    tavrio::makeFixedBorderless(this, QSize(800, 600));
}

void TForm15::showPicture(const QString& windowsPath)
{
    if (QApplication::activeWindow() != this)
        caller_ = QApplication::activeWindow();
    current_ = windowsPath;
    Thema->setPixmap(tavrio::loadPicture(windowsPath));
    show();
    raise();
    activateWindow();
    Schliessen->setFocus();
}

void TForm15::SchliessenClick() { close(); }

void TForm15::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        SchliessenClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm15::closeEvent(QCloseEvent* event)
{
    Thema->clear();
    current_.clear();
    event->accept();
    // The window the help was asked from takes the keyboard again.
    if (caller_ && caller_->isVisible())
        caller_->activateWindow();
    caller_ = nullptr;
}

namespace tavrio {
void showHelp(const QString& windowsPath)
{
    if (TForm15* help = windows().form15)
        help->showPicture(windowsPath);
}
} // namespace tavrio
