#include "start/StartScreen.h"

#include "start/EngineTestPage.h"
#include "start/Layout.h"
#include "start/ListEditorPage.h"
#include "start/ListSelectionPage.h"
#include "start/LoginPage.h"
#include "start/SettingsPage.h"
#include "ui/Navigation.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace tavrio {
void setPageFont(QWidget* page)
{
    QFont f = page->font();
    f.setPixelSize(16);
    page->setFont(f);
}
} // namespace tavrio

namespace {
QWidget* emptyPage(const char* name)
{
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TFormStart::TFormStart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TFormStart"));
    setWindowTitle(QStringLiteral("Tavrio"));
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 800, 600);
    login_ = new tavrio::cLoginPage(this);
    lists_ = new tavrio::cListSelectionPage(this);
    settings_ = new tavrio::cSettingsPage(this);
    PageControl1->addWidget(login_);
    auto* editor = new tavrio::cListEditorPage(this);
    PageControl1->addWidget(editor);
    PageControl1->addWidget(new tavrio::cEngineTestPage(this, login_));
    PageControl1->addWidget(lists_);
    PageControl1->addWidget(emptyPage("TabSheet4"));
    PageControl1->addWidget(emptyPage("TabSheet5"));
    PageControl1->addWidget(settings_);
    tavrio::makeFixedBorderless(this, QSize(800, 600));
    back_[ListEditorPage] = [editor] { editor->Button5Click(); };
    back_[ListSelectionPage] = [this] { lists_->Image2Click(); };
    back_[SettingsPage] = [this] { settings_->Label21Click(); };
}

QWidget* TFormStart::page(int index) const
{
    return index >= 0 && index < PageCount ? PageControl1->widget(index) : nullptr;
}

int TFormStart::currentPage() const { return PageControl1->currentIndex(); }

void TFormStart::switchPage(int index)
{
    if (page(index))
        PageControl1->setCurrentIndex(index);
}

void TFormStart::showPage(int index)
{
    switchPage(index);
    PageControl1Changing();
}

void TFormStart::setPageEnteredHandler(int index, std::function<void()> handler)
{
    if (index >= 0 && index < PageCount)
        entered_[index] = std::move(handler);
}

void TFormStart::setPageBackHandler(int index, std::function<void()> handler)
{
    if (index >= 0 && index < PageCount)
        back_[index] = std::move(handler);
}

void TFormStart::keyPressEvent(QKeyEvent* event)
{
    const int active = currentPage();
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && active >= 0
        && active < PageCount) {
        event->accept();
        if (back_[active])
            back_[active]();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormStart::setVersionCheck(std::function<void(int)> check) { versionCheck_ = std::move(check); }

void TFormStart::CheckVersion(int version)
{
    if (!versionCheck_)
        return;
    try {
        versionCheck_(version);
    } catch (...) {
        // A failed version query changes nothing for the learner.
    }
}

void TFormStart::PageControl1Changing()
{
    const int active = currentPage();
    // Pictures of hidden pages are released; the entered page loads its own.
    if (active != LoginPage)
        login_->releaseBackground();
    if (active != ListSelectionPage)
        lists_->releaseBackground();
    if (active != SettingsPage)
        settings_->releaseBackground();
    if (active != ExchangePage)
        if (auto* image6 = page(ExchangePage)->findChild<QLabel*>(QStringLiteral("Image6")))
            image6->clear();

    switch (active) {
    case LoginPage:
        login_->enter();
        TabSheet1Show();
        break;
    case ListEditorPage:
        if (auto* editor = qobject_cast<tavrio::cListEditorPage*>(page(ListEditorPage)))
            editor->enter();
        break;
    case EngineTestPage:
        if (auto* test = qobject_cast<tavrio::cEngineTestPage*>(page(EngineTestPage)))
            test->TabSheet3Show();
        break;
    case ListSelectionPage:
        lists_->enter();
        break;
    case SettingsPage:
        settings_->enter();
        break;
    default:
        break;
    }
    if (active >= 0 && active < PageCount && entered_[active])
        entered_[active]();
}

void TFormStart::FormShow()
{
    login_->listProfiles();
    showPage(LoginPage);
}

void TFormStart::TabSheet1Show()
{
    lists_->fillListMemory();
    login_->selectRememberedProfile();
    lists_->selectRememberedList();
}

void TFormStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormStart::closeEvent(QCloseEvent* event)
{
    // Closing the start screen ends the program, like closing the entrance.
    event->accept();
    closeMainWindow();
}

void TFormStart::addEntranceButton(QWidget* page, const QRect& geometry)
{
    auto* b = new QPushButton(QStringLiteral("Zum Eingang"), page);
    b->setObjectName(QStringLiteral("ZumEingang"));
    b->setToolTip(QStringLiteral("Zu den Türen \"Start\", \"Optionen\" und \"Ende\""));
    b->setGeometry(geometry);
    connect(b, &QPushButton::clicked, this, &TFormStart::ZumEingangClick);
}

void TFormStart::ZumEingangClick()
{
    if (mainWindow_)
        tavrio::returnTo(this, mainWindow_);
}

void TFormStart::closeMainWindow()
{
    if (mainWindow_)
        mainWindow_->close();
    else
        QCoreApplication::quit();
}
