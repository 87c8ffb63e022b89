#include "start/ListSelectionPage.h"

#include "engine/Session.h"
#include "start/Layout.h"
#include "start/ListProgressBars.h"
#include "start/Profiles.h"
#include "start/Registry.h"
#include "start/StartScreen.h"
#include "start/TickList.h"
#include "ui/Assets.h"
#include "ui/Frame.h"
#include "ui/Navigation.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>

namespace tavrio {

namespace L = layout::start;

const QString kNothingMarked = QStringLiteral(
    "In den angehakten Listen ist kein Wort zum Üben markiert.\r\n"
    "Markiere Wörter unter \"Vokabeln eingeben / verwalten\" oder hake eine andere Liste an.");

namespace {
constexpr int kFileBytes = Qt::UserRole;
}

cListSelectionPage::cListSelectionPage(TFormStart* owner)
    : owner_(owner)
{
    setObjectName(QStringLiteral("Tab_Vokabelauswahl"));
    Image3 = new cPictureArea(QStringLiteral("Image3"), QRect(0, 0, 800, 600), this);
    setPageFont(this);

    CheckListBox1 = new cTickList(this);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setGeometry(L::listBox);
    tavrio::setVisibleFrame(CheckListBox1); // whole also at factor 1.5
    QFont big = CheckListBox1->font();
    big.setPixelSize(20);
    CheckListBox1->setFont(big);
    CheckListBox1->setItemDelegate(new cListProgressDelegate(CheckListBox1));

    Vokabelnauswahl_LosGehts = new QPushButton(QStringLiteral("Los gehts"), this);
    Vokabelnauswahl_LosGehts->setObjectName(QStringLiteral("Vokabelnauswahl_LosGehts"));
    Vokabelnauswahl_LosGehts->setGeometry(L::startButton);
    Vokabelnauswahl_LosGehts->hide();
    connect(Vokabelnauswahl_LosGehts, &QPushButton::clicked, this, &cListSelectionPage::Vokabelnauswahl_LosGehtsClick);
    Label9 = new cPictureArea(QStringLiteral("Label9"), L::startButton, this);
    Label9->setKeyReachable();
    connect(Label9, &cPictureArea::clicked, this, &cListSelectionPage::Vokabelnauswahl_LosGehtsClick);

    Button4 = new QPushButton(QStringLiteral("Vokabeln eingeben / verwalten"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(L::editorButton);
    connect(Button4, &QPushButton::clicked, this, &cListSelectionPage::Button4Click);
    Button30 = new QPushButton(QStringLiteral("Einstellungen"), this);
    Button30->setObjectName(QStringLiteral("Button30"));
    Button30->setGeometry(L::settingsButton);
    connect(Button30, &QPushButton::clicked, this, &cListSelectionPage::Button30Click);
    Image2 = new cPictureArea(QStringLiteral("Image2"), L::backArrow, this);
    Image2->setToolTip(QStringLiteral("Zurück zur Anmeldung"));
    Image2->setKeyReachable();
    connect(Image2, &cPictureArea::clicked, this, &cListSelectionPage::Image2Click);

    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->hide();
    connect(ComboBox4, &QComboBox::activated, this, &cListSelectionPage::ComboBox4Change);
    owner->addEntranceButton(this, L::toEntrance);
}

void cListSelectionPage::enter()
{
    Image3->setPixmap(loadPicture(QStringLiteral("BG\\Vokabelauswahl.bmp")));
    if (cSession* s = session())
        s->ClearWords();
    CheckListBox1->clear();
    for (const cNamedFile& f : listFiles(".vok")) {
        QListWidgetItem* item = CheckListBox1->addRow(f.display);
        item->setData(kFileBytes, QByteArray::fromStdString(f.bytes));
    }
    fillListProgress(CheckListBox1, session(), kFileBytes);
    if (CheckListBox1->count() > 0)
        CheckListBox1->setCurrentRow(0);
}

void cListSelectionPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && isVisible())
        fillListProgress(CheckListBox1, session(), kFileBytes);
}

void cListSelectionPage::releaseBackground() { Image3->clear(); }

void cListSelectionPage::fillListMemory()
{
    ComboBox4->clear();
    for (const cNamedFile& f : listFiles(".vok"))
        ComboBox4->addItem(f.display);
    if (ComboBox4->count() > 0)
        ComboBox4->setCurrentIndex(0);
}

void cListSelectionPage::selectRememberedList()
{
    int remembered = 0;
    if (ReadRegistryValue(QStringLiteral("LastFile"), remembered) && remembered < ComboBox4->count())
        ComboBox4->setCurrentIndex(remembered);
}

void cListSelectionPage::Vokabelnauswahl_LosGehtsClick()
{
    if (CheckListBox1->count() == 0)
        return;
    cSession* s = session();
    // Back from the house the page is not entered anew; the lists loaded
    // for the last round go, so only what is ticked now is practised.
    if (s)
        s->ClearWords();
    bool ticked = false;
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem* item = CheckListBox1->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        ticked = true;
        if (s)
            s->AddVocabularyFile(item->data(kFileBytes).toByteArray().toStdString() + ".vok");
    }
    if (!ticked) {
        showMessage(QStringLiteral("Oops, Du hast ja noch gar nichts zum Lernen ausgewählt."));
        return;
    }
    // Only words marked for practice are loaded; with none the house would
    // have nothing to ask.
    if (s && s->CountWords(3) == 0) {
        showMessage(kNothingMarked);
        return;
    }
    openWindow(owner_, owner_->houseWindow());
}

void cListSelectionPage::Button4Click() { owner_->showPage(TFormStart::ListEditorPage); }

void cListSelectionPage::Button30Click() { owner_->showPage(TFormStart::SettingsPage); }

void cListSelectionPage::Image2Click() { owner_->showPage(TFormStart::LoginPage); }

void cListSelectionPage::ComboBox4Change() { WriteRegistryValue(QStringLiteral("LastFile"), ComboBox4->currentIndex()); }

} // namespace tavrio
