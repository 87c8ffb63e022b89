#include "app/MenuWindow.h"

#include "app/Layout.h"
#include "ui/Assets.h"
#include "ui/HelpWindow.h"
#include "ui/Navigation.h"
#include "ui/PictureArea.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace tavrio {

cMenuWindow::cMenuWindow(const QString& name, QSize size, const QString& background, const QString& help,
                         const QString& backHint, QWidget* parent)
    : QWidget(parent)
    , background_(background)
    , help_(help)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Tavrio"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(244, 230, 200));
    setPalette(pal);

    Image1 = new cPictureArea(QStringLiteral("Image1"), QRect(0, 0, 1, 1), this);
    connect(Image1, &cPictureArea::mouseMoved, this, [this] { spots_.clear(); });

    Button1 = new QPushButton(QStringLiteral("Zurück"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &cMenuWindow::Button1Click);

    Image2 = new cPictureArea(QStringLiteral("Image2"), layout::backArrow, this);
    Image2->setToolTip(backHint);
    Image2->setKeyReachable();
    connect(Image2, &cPictureArea::clicked, this, &cMenuWindow::Button1Click);
    connect(Image2, &cPictureArea::focused, this, [this] { spots_.clear(); });

    Hilfe = new cPictureArea(QStringLiteral("Hilfe"), layout::helpButton, this);
    Hilfe->setToolTip(QStringLiteral("Hilfe!!!"));
    Hilfe->setKeyReachable();
    connect(Hilfe, &cPictureArea::clicked, this, &cMenuWindow::HilfeClick);
    connect(Hilfe, &cPictureArea::focused, this, [this] { spots_.clear(); });

    makeFixedBorderless(this, size);
}

void cMenuWindow::addHotSpot(const char* scene, const char* name, const char* pictureSuffix,
                             const QString& buttonName, const QRect& rect, const QString& hint,
                             std::function<void()> handler)
{
    auto* spot = new cPictureArea(QLatin1String(name), rect, this);
    spot->setToolTip(hint);
    spot->setKeyReachable();
    auto* picture = new QLabel(this);
    picture->setObjectName(QLatin1String(name) + QLatin1String(pictureSuffix));
    picture->setGeometry(rect);
    picture->hide();
    spots_.add(spot, picture, layout::litPicture(scene, name));
    connect(spot, &cPictureArea::mouseMoved, this, [this, spot] { spots_.light(spot); });
    connect(spot, &cPictureArea::focused, this, [this, spot] { spots_.light(spot); });
    connect(spot, &cPictureArea::clicked, this, handler);

    auto* button = new QPushButton(hint, this);
    button->setObjectName(buttonName);
    button->hide();
    connect(button, &QPushButton::clicked, this, handler);
    // The back arrow and the help button stay on top of the hot spots and
    // come after them in the Tab order.
    Image2->raise();
    Hilfe->raise();
    setTabOrder(spot, Hilfe);
    setTabOrder(Hilfe, Image2);
}

void cMenuWindow::clearOnBackArrow()
{
    connect(Image2, &cPictureArea::mouseMoved, this, [this] { spots_.clear(); });
}

void cMenuWindow::HilfeClick() { showHelp(help_); }

void cMenuWindow::Button1Click() { close(); }

void cMenuWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void cMenuWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window itself holds the focus, so no hot spot is framed and lit
    // before the first Tab.
    setFocus(Qt::OtherFocusReason);
    const QPixmap bg = loadPicture(background_);
    Image1->setPixmap(bg);
    Image1->resize(bg.isNull() ? size() : bg.deviceIndependentSize().toSize());
}

void cMenuWindow::closeEvent(QCloseEvent* event)
{
    Image1->clear();
    Image1->resize(1, 1);
    spots_.clear();
    event->accept();
    returnTo(this, upper_);
}

} // namespace tavrio
