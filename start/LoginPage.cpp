#include "start/LoginPage.h"

#include "engine/ListFile.h"
#include "engine/Session.h"
#include "start/Layout.h"
#include "start/Profiles.h"
#include "start/Registry.h"
#include "start/StartScreen.h"
#include "ui/Assets.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace tavrio {

namespace L = layout::start;

cLoginPage::cLoginPage(TFormStart* owner)
    : owner_(owner)
{
    setObjectName(QStringLiteral("TabSheet1"));
    Image1 = new cPictureArea(QStringLiteral("Image1"), QRect(0, 0, 800, 600), this);
    setPageFont(this);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(L::profileBox);
    connect(ComboBox1, &QComboBox::activated, this, &cLoginPage::ComboBox1Change);

    Label1 = new QLabel(QStringLiteral("Dein Name :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(L::nameLabel);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(L::nameEdit);
    Edit1->installEventFilter(this);
    Button3 = new QPushButton(QStringLiteral("Erstellen"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(L::createButton);
    connect(Button3, &QPushButton::clicked, this, &cLoginPage::Button3Click);

    // The drawn buttons of the background are covered by transparent areas;
    // the real buttons behind them stay hidden.
    Button2 = new QPushButton(QStringLiteral("Und los gehts ..."), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(L::loginButton);
    Button2->hide();
    connect(Button2, &QPushButton::clicked, this, &cLoginPage::Button2Click);
    Button1 = new QPushButton(QStringLiteral("Beenden"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(L::quitButton);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &cLoginPage::Button1Click);
    Label7 = new cPictureArea(QStringLiteral("Label7"), L::loginButton, this);
    Label7->setKeyReachable();
    connect(Label7, &cPictureArea::clicked, this, &cLoginPage::Button2Click);
    Label8 = new cPictureArea(QStringLiteral("Label8"), L::quitButton, this);
    Label8->setKeyReachable();
    connect(Label8, &cPictureArea::clicked, this, &cLoginPage::Button1Click);
    owner->addEntranceButton(this, L::toEntrance);
}

void cLoginPage::enter() { Image1->setPixmap(loadPicture(QStringLiteral("BG\\Start.bmp"))); }

void cLoginPage::releaseBackground() { Image1->clear(); }

void cLoginPage::listProfiles()
{
    ComboBox1->clear();
    ComboBox1->addItem(QStringLiteral("Neues Profil"));
    int chosen = -1;
    for (const cNamedFile& f : listFiles(".pfl")) {
        ComboBox1->addItem(f.display, QByteArray::fromStdString(f.bytes));
        if (chosen < 0 && !Edit1->text().isEmpty() && f.display == Edit1->text())
            chosen = ComboBox1->count() - 1;
    }
    int remembered = 0;
    if (chosen < 0 && ReadRegistryValue(QStringLiteral("LastProfile"), remembered) && remembered < ComboBox1->count())
        chosen = remembered;
    if (chosen < 0)
        chosen = ComboBox1->count() - 1;
    ComboBox1->setCurrentIndex(chosen);
    ComboBox1Change();
}

void cLoginPage::selectRememberedProfile()
{
    int remembered = 0;
    if (ReadRegistryValue(QStringLiteral("LastProfile"), remembered) && remembered < ComboBox1->count())
        selectProfile(remembered);
}

void cLoginPage::selectProfile(int index)
{
    if (index == ComboBox1->currentIndex())
        return;
    ComboBox1->setCurrentIndex(index);
    ComboBox1Change();
}

void cLoginPage::ComboBox1Change()
{
    const int index = ComboBox1->currentIndex();
    WriteRegistryValue(QStringLiteral("LastProfile"), index);
    const bool newProfile = index <= 0;
    Label1->setVisible(newProfile);
    Edit1->setVisible(newProfile);
    Button3->setVisible(newProfile);
    Button2->setEnabled(!newProfile);
    if (newProfile && isVisible())
        Edit1->setFocus();
}

void cLoginPage::Button3Click()
{
    const QString name = Edit1->text();
    if (const QString problem = profileNameProblem(name); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    const std::string bytes = toAnsi(name);
    if (FileExists(bytes + ".pfl")) {
        showMessage(QStringLiteral("Profilname existiert bereits,\r\nBitte wähle einen anderen"));
        return;
    }
    if (!createProfileFile(bytes)) {
        showMessage(QStringLiteral("Das Profil \"%1\" konnte nicht angelegt werden.").arg(name));
        return;
    }
    owner_->FormShow();
    // The new profile is selected now. Left in the field, the name would
    // win over the remembered profile at every later showing of the start
    // screen, even after another learner logged in.
    Edit1->clear();
}

void cLoginPage::Button2Click()
{
    const int index = ComboBox1->currentIndex();
    if (index <= 0) {
        showMessage(QStringLiteral("Bitte wähle zuerst dein Profil aus\r\noder lege mit \"Erstellen\" ein neues an."));
        return;
    }
    const std::string bytes = ComboBox1->itemData(index).toByteArray().toStdString();
    // A learner who comes back to the login keeps the progress made so far.
    if (cSession* previous = session())
        previous->SaveProfile();
    const QString failed = QStringLiteral("Das Profil \"%1\" konnte nicht geladen werden.").arg(ComboBox1->currentText());
    try {
        setSession(std::make_unique<cSession>(bytes));
    } catch (const cProfileError& e) {
        const QString why = fromAnsi(e.what());
        showMessage(why.isEmpty() ? failed : why);
        return;
    } catch (const std::exception&) {
        // Anything else (out of memory on a huge file) has no German text.
        showMessage(failed);
        return;
    }
    owner_->showPage(TFormStart::ListSelectionPage);
}

void cLoginPage::Button1Click() { owner_->closeMainWindow(); }

namespace {
bool isReturn(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

// Return anywhere else on the page logs in ("Erstellen" when it has the
// focus creates instead).
void cLoginPage::keyPressEvent(QKeyEvent* event)
{
    if (isReturn(event)) {
        if (Button3->hasFocus())
            Button3Click();
        else
            Button2Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The key is consumed here: passed on, it would reach the page after the
// new profile was selected and log it in at once.
bool cLoginPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && isReturn(event)) {
        Button3Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavrio
