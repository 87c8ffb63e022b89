#include "start/EngineTestPage.h"

#include "engine/Session.h"
#include "start/Layout.h"
#include "start/LoginPage.h"
#include "start/StartScreen.h"
#include "ui/Frame.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tavrio {

namespace {

constexpr QRect kTestLoginButton{10, 10, 120, 30};   // on the login page, hidden

QLineEdit* labelledEdit(const QString& label, const QString& text, const char* name, int top, QWidget* parent)
{
    auto* l = new QLabel(label, parent);
    l->setGeometry(20, top, 130, 30);
    return namedEdit(text, name, QRect(150, top, 260, 30), parent);
}

// Letters a-z become A-Z; umlauts, "ß" and everything else stay.
std::string upperAtoZ(std::string bytes)
{
    for (char& c : bytes)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return bytes;
}

} // namespace

cEngineTestPage::cEngineTestPage(TFormStart* owner, cLoginPage* login)
    : owner_(owner), login_(login)
{
    setObjectName(QStringLiteral("TabSheet3"));
    setPageFont(this);

    auto* testLogin = namedButton(QStringLiteral("Testlogin"), "Button10", kTestLoginButton, login);
    testLogin->hide();
    connect(testLogin, &QPushButton::clicked, this, &cEngineTestPage::Button10Click);

    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems({QStringLiteral("Leicht"), QStringLiteral("Mittel"), QStringLiteral("Schwer")});
    ComboBox3->setGeometry(150, 20, 140, 30);
    auto* difficulty = new QLabel(QStringLiteral("Schwierigkeit :"), this);
    difficulty->setGeometry(20, 20, 130, 30);
    connect(namedButton(QStringLiteral("Gib Wort aus"), "Button12", {430, 20, 190, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button12Click);

    Edit6 = labelledEdit(QStringLiteral("Datei :"), QStringLiteral("vokabeln.vok"), "Edit6", 60, this);
    connect(namedButton(QStringLiteral("AddVok-File"), "Button13", {430, 60, 190, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button13Click);

    Edit8 = labelledEdit(QStringLiteral("Frage :"), QStringLiteral("selbstbewußt"), "Edit8", 100, this);
    Edit7 = labelledEdit(QStringLiteral("Antwort :"), QStringLiteral("self-confident"), "Edit7", 140, this);
    Edit9 = labelledEdit(QStringLiteral("Erwartet :"), QStringLiteral("self-confident"), "Edit9", 180, this);
    connect(namedButton(QStringLiteral("Ist das richtig?"), "Button14", {430, 100, 190, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button14Click);
    connect(namedButton(QStringLiteral("Schwierigkeit"), "Button15", {430, 140, 190, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button15Click);
    connect(namedButton(QStringLiteral("Ohne Groß/klein"), "Button17", {430, 180, 190, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button17Click);
    connect(namedButton(QStringLiteral("SaveProfile"), "Button16", {630, 20, 150, 30}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button16Click);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(20, 225, 760, 320);
    tavrio::setVisibleFrame(Memo1); // whole also at factor 1.5
    connect(namedButton(QStringLiteral("Zurück"), "Button11", {20, 556, 130, 32}, this),
            &QPushButton::clicked, this, &cEngineTestPage::Button11Click);
}

void cEngineTestPage::TabSheet3Show() { ComboBox3->setCurrentIndex(0); }

void cEngineTestPage::Button10Click()
{
    login_->Button2Click();
    // A login that failed has told the learner why and stays on the login.
    if (owner_->currentPage() != TFormStart::ListSelectionPage || !session())
        return;
    if (QWidget* entrance = windows().entrance)
        entrance->setEnabled(false);
    owner_->show();
    owner_->setEnabled(true);
    owner_->showPage(TFormStart::EngineTestPage);
}

void cEngineTestPage::Button11Click() { owner_->showPage(TFormStart::LoginPage); }

void cEngineTestPage::trace(const QString& line) { Memo1->appendPlainText(line); }

void cEngineTestPage::Button12Click()
{
    cSession* s = session();
    if (!s)
        return trace(QStringLiteral("Kein Profil angemeldet."));
    std::string original, translation, phonetic;
    const int difficulty = ComboBox3->currentIndex();
    s->GetRandomWord(original, translation, phonetic, difficulty);
    trace(QStringLiteral("GetRandomWord [%1] --> ").arg(difficulty) + fromAnsi(original) + QLatin1Char(',')
          + fromAnsi(translation) + QLatin1Char(',') + fromAnsi(phonetic));
}

void cEngineTestPage::Button13Click()
{
    if (cSession* s = session())
        s->AddVocabularyFile(toAnsi(Edit6->text()));
    else
        trace(QStringLiteral("Kein Profil angemeldet."));
}

void cEngineTestPage::traceCheck(bool right)
{
    const QString head = QStringLiteral("IstDasRichtig [") + Edit8->text() + QLatin1Char(',') + Edit7->text()
        + QLatin1Char(',') + Edit9->text() + QStringLiteral("] --> ");
    if (right)
        trace(head + QStringLiteral("JUP! ")
              + QString::number(session()->GetDifficulty(toAnsi(Edit8->text()), toAnsi(Edit7->text()))));
    else
        trace(head + QStringLiteral("NÖÖ!"));
}

void cEngineTestPage::Button14Click()
{
    cSession* s = session();
    if (!s)
        return trace(QStringLiteral("Kein Profil angemeldet."));
    traceCheck(s->IstDasRichtig(toAnsi(Edit8->text()), toAnsi(Edit7->text()), toAnsi(Edit9->text())));
}

void cEngineTestPage::Button15Click()
{
    const cSession* s = session();
    if (!s)
        return trace(QStringLiteral("Kein Profil angemeldet."));
    trace(QStringLiteral("IstDasRichtig [") + Edit7->text() + QLatin1Char(',') + Edit8->text()
          + QStringLiteral("] --> ")
          + QString::number(s->GetDifficulty(toAnsi(Edit7->text()), toAnsi(Edit8->text()))));
}

void cEngineTestPage::Button16Click()
{
    cSession* s = session();
    if (!s)
        return trace(QStringLiteral("Kein Profil angemeldet."));
    trace(QStringLiteral("SaveProfile"));
    if (!s->SaveProfile())
        trace(QStringLiteral("SaveProfile fehlgeschlagen: das Profil konnte nicht geschrieben werden."));
}

void cEngineTestPage::Button17Click()
{
    cSession* s = session();
    if (!s)
        return trace(QStringLiteral("Kein Profil angemeldet."));
    traceCheck(s->IstDasRichtigNoCase(toAnsi(Edit8->text()), upperAtoZ(toAnsi(Edit7->text())), toAnsi(Edit9->text())));
}

} // namespace tavrio
