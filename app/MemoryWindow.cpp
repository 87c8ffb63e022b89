#include "app/MemoryWindow.h"

#include "app/ChildrensRoomWindow.h"
#include "ui/Navigation.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TForm13::TForm13(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm13"));
    setWindowTitle(QStringLiteral("Memory"));
    auto* label = new QLabel(QStringLiteral("Memory"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(0, 200, 800, 80);
    label->setAlignment(Qt::AlignCenter);
    QFont f = label->font();
    f.setPixelSize(48);
    f.setBold(true);
    label->setFont(f);
    auto* back = new QPushButton(QStringLiteral("Zurück"), this);
    back->setObjectName(QStringLiteral("Button1"));
    back->setGeometry(350, 500, 100, 34);
    connect(back, &QPushButton::clicked, this, &TForm13::Button1Click);
    tavrio::makeFixedBorderless(this, QSize(800, 600));
}

void TForm13::Button1Click() { close(); }

void TForm13::closeEvent(QCloseEvent* event)
{
    event->accept();
    tavrio::returnTo(this, tavrio::windows().form10);
}
