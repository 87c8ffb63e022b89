// The start screen driven by its object names: profiles, the remembered
// choices, login, list selection and the learning settings.
#include "tests/support/StartScreenFixture.h"

#include "engine/ConfigFile.h"
#include "engine/ListFile.h"
#include "start/Profiles.h"
#include "start/Registry.h"
#include "ui/Navigation.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using tavrio::test::cShellFixture;

class StartScreenTest : public QObject, tavrio::test::cStartScreenFixture {
    Q_OBJECT

private:
    QComboBox* profiles() { return child<QComboBox>("ComboBox1"); }
    QStringList profileItems()
    {
        QStringList items;
        for (int i = 0; i < profiles()->count(); ++i)
            items << profiles()->itemText(i);
        return items;
    }
    void click(const char* name) { QMetaObject::invokeMethod(child<QPushButton>(name), "click"); }
    void clickArea(const char* name)
    {
        QWidget* w = child<QWidget>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void createProfile(const QString& name)
    {
        child<QLineEdit>("Edit1")->setText(name);
        click("Button3");
    }
    void logIn(const QString& name)
    {
        profiles()->setCurrentIndex(profiles()->findText(name));
        QVERIFY(profiles()->currentIndex() > 0);
        clickArea("Label7");
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
    }

private slots:
    void init() { setUpStartScreen(); }
    void cleanup() { tearDownStartScreen(); }

    void withoutProfilesOnlyNewProfileIsOfferedWithTheNameField()
    {
        QCOMPARE(profileItems(), QStringList{QStringLiteral("Neues Profil")});
        QCOMPARE(profiles()->currentIndex(), 0);
        QVERIFY(child<QLineEdit>("Edit1")->isVisible());
        QVERIFY(child<QPushButton>("Button3")->isVisible());
        QVERIFY(!child<QPushButton>("Button2")->isEnabled());
        QCOMPARE(start->currentPage(), int(TFormStart::LoginPage));
        QVERIFY(!child<QLabel>("Image1")->pixmap().isNull());
    }

    void creatingAProfileWritesItAndSelectsIt()
    {
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        createProfile(QStringLiteral("Jörg"));
        QVERIFY(fx->seams.messages.isEmpty());
        // The file holds the length byte and the Windows-1252 name.
        std::string stored;
        QVERIFY(ReadFileBytes("J\xF6rg.pfl", stored));
        QCOMPARE(QByteArray::fromStdString(stored), QByteArray("\x04J\xF6rg"));
        QVERIFY2(QFile::exists(QStringLiteral("Jörg.pfl")), "other programs see the name as it is meant");
        QCOMPARE(profileItems(), (QStringList{QStringLiteral("Neues Profil"), QStringLiteral("Anna"), QStringLiteral("Jörg")}));
        QCOMPARE(profiles()->currentText(), QStringLiteral("Jörg"));
        QVERIFY(!child<QLineEdit>("Edit1")->isVisible());
        QVERIFY(child<QPushButton>("Button2")->isEnabled());
    }

    void creatingAnExistingProfileShowsTheMessageAndChangesNothing()
    {
        cShellFixture::writeBytes(QStringLiteral("Anna.pfl"), QByteArray("\x04" "Anna" "\x30\x40\x01" "a" "\x01" "b"));
        start->FormShow();
        profiles()->setCurrentIndex(0);
        QMetaObject::invokeMethod(start->findChild<QObject*>(QStringLiteral("TabSheet1")), "ComboBox1Change");
        createProfile(QStringLiteral("Anna"));
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Profilname existiert bereits,\r\nBitte wähle einen anderen")});
        QCOMPARE(cShellFixture::readBytes(QStringLiteral("Anna.pfl")), QByteArray("\x04" "Anna" "\x30\x40\x01" "a" "\x01" "b"));
        QCOMPARE(profileItems().size(), 2);
    }

    void unusableNamesAreRefusedAndNoFileIsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("only spaces") << QStringLiteral("   ");
        QTest::newRow("slash") << QStringLiteral("../Anna");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("too long") << QString(252, QLatin1Char('x'));
        QTest::newRow("not in the code page") << QStringLiteral("名字");
    }
    void unusableNamesAreRefusedAndNoFileIsWritten()
    {
        QFETCH(QString, name);
        createProfile(name);
        QCOMPARE(fx->seams.messages.size(), 1);
        QVERIFY(fx->seams.messages.first().contains(QStringLiteral("Name")));
        QCOMPARE(QDir::current().entryList({QStringLiteral("*.pfl")}, QDir::Files), QStringList());
        QCOMPARE(QDir(QDir::currentPath() + QStringLiteral("/..")).entryList({QStringLiteral("*.pfl")}, QDir::Files),
                 QStringList());
        QCOMPARE(profileItems().size(), 1);
    }

    // Return creates a profile in the name field and logs in elsewhere on
    // the page, never both at once.
    void returnCreatesInTheNameFieldAndLogsInElsewhere_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("profileFiles");
        QTest::newRow("name field") << QStringLiteral("Edit1") << int(TFormStart::LoginPage)
                                    << QStringList{QStringLiteral("Anna.pfl"), QStringLiteral("Ben.pfl")};
        QTest::newRow("Erstellen") << QStringLiteral("Button3") << int(TFormStart::LoginPage)
                                   << QStringList{QStringLiteral("Anna.pfl"), QStringLiteral("Ben.pfl")};
        QTest::newRow("profile list") << QStringLiteral("ComboBox1") << int(TFormStart::ListSelectionPage)
                                      << QStringList{QStringLiteral("Anna.pfl")};
    }
    void returnCreatesInTheNameFieldAndLogsInElsewhere()
    {
        QFETCH(QString, focus);
        QFETCH(int, page);
        QFETCH(QStringList, profileFiles);
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        const bool creating = focus != QStringLiteral("ComboBox1");
        profiles()->setCurrentIndex(creating ? 0 : 1);
        QMetaObject::invokeMethod(start->findChild<QObject*>(QStringLiteral("TabSheet1")), "ComboBox1Change");
        child<QLineEdit>("Edit1")->setText(creating ? QStringLiteral("Ben") : QString());
        start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(start.get()));
        QWidget* target = child<QWidget>(qPrintable(focus));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(start->currentPage(), page);
        QCOMPARE(tavrio::session() != nullptr, !creating);
        QCOMPARE(QDir::current().entryList({QStringLiteral("*.pfl")}, QDir::Files, QDir::Name), profileFiles);
        QVERIFY(fx->seams.messages.isEmpty());
        if (creating)
            QCOMPARE(profiles()->currentText(), QStringLiteral("Ben"));
    }

    void aNewProfileDoesNotOverrideTheRememberedOneLater()
    {
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        createProfile(QStringLiteral("Ben"));
        QCOMPARE(profiles()->currentText(), QStringLiteral("Ben"));
        profiles()->setCurrentIndex(profiles()->findText(QStringLiteral("Anna")));
        QMetaObject::invokeMethod(start->findChild<QObject*>(QStringLiteral("TabSheet1")), "ComboBox1Change");
        clickArea("Label7");
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        // "Ende" on the entrance shows the start screen again.
        start->hide();
        start->show();
        QCOMPARE(profiles()->currentText(), QStringLiteral("Anna"));
    }

    void theLongestNameThatFitsIsAccepted()
    {
        QVERIFY(tavrio::profileNameProblem(QString(251, QLatin1Char('x'))).isEmpty());
        QVERIFY(!tavrio::profileNameProblem(QString(252, QLatin1Char('x'))).isEmpty());
        QVERIFY(tavrio::profileNameProblem(QStringLiteral("Ümit Çelik")).isEmpty());
    }

    void theChosenProfileIsRememberedAcrossStarts()
    {
        for (const char* n : {"Anna", "Ben", "Cleo"})
            cShellFixture::writeProfile(n);
        start->FormShow();
        profiles()->setCurrentIndex(2);
        QMetaObject::invokeMethod(start->findChild<QObject*>(QStringLiteral("TabSheet1")), "ComboBox1Change");
        int stored = -1;
        QVERIFY(tavrio::ReadRegistryValue(QStringLiteral("LastProfile"), stored));
        QCOMPARE(stored, 2);

        newStartScreen();
        start->show();
        QCOMPARE(profiles()->currentText(), QStringLiteral("Ben"));
        QVERIFY(!child<QLineEdit>("Edit1")->isVisible());
    }

    void theRememberedListIsSelectedInTheHiddenListChoice()
    {
        for (const char* n : {"Englisch", "Franzoesisch", "Latein"})
            cShellFixture::writeList(QString::fromLatin1(n), {{"a", "b"}});
        tavrio::WriteRegistryValue(QStringLiteral("LastFile"), 2);
        start->showPage(TFormStart::LoginPage);
        QCOMPARE(child<QComboBox>("ComboBox4")->currentText(), QStringLiteral("Latein"));
        // An index beyond the lists is ignored.
        tavrio::WriteRegistryValue(QStringLiteral("LastFile"), 7);
        start->showPage(TFormStart::LoginPage);
        QCOMPARE(child<QComboBox>("ComboBox4")->currentIndex(), 0);
    }

    void withoutMemoryTheLastProfileIsSelected()
    {
        for (const char* n : {"Anna", "Ben"})
            cShellFixture::writeProfile(n);
        newStartScreen();
        cShellFixture::clearSettings();
        start->show();
        QCOMPARE(profiles()->currentText(), QStringLiteral("Ben"));
    }

    void loggingInWithNewProfileSelectedLogsNobodyIn()
    {
        cShellFixture::writeProfile("Neues Profil");
        start->FormShow();
        profiles()->setCurrentIndex(0);
        clickArea("Label7");
        QCOMPARE(fx->seams.messages.size(), 1);
        QVERIFY(tavrio::session() == nullptr);
        QCOMPARE(start->currentPage(), int(TFormStart::LoginPage));
    }

    void aBrokenProfileKeepsTheLearnerOnTheLogin()
    {
        cShellFixture::writeBytes(QStringLiteral("Kaputt.pfl"), QByteArray("\x20" "Ka"));
        start->FormShow();
        profiles()->setCurrentIndex(profiles()->findText(QStringLiteral("Kaputt")));
        QTest::keyClick(start->page(TFormStart::LoginPage), Qt::Key_Return);
        QCOMPARE(fx->seams.messages.size(), 1);
        QVERIFY(fx->seams.messages.first().contains(QStringLiteral("Kaputt")));
        QVERIFY(tavrio::session() == nullptr);
        QCOMPARE(start->currentPage(), int(TFormStart::LoginPage));
    }

    void loginShowsTheListsUnticked()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Latein"), {{"amicus", "der Freund"}});
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        QVERIFY(tavrio::session() != nullptr);
        auto* lists = child<QListWidget>("CheckListBox1");
        QCOMPARE(lists->count(), 2);
        QCOMPARE(lists->item(0)->text(), QStringLiteral("Englisch"));
        QCOMPARE(lists->item(1)->text(), QStringLiteral("Latein"));
        QCOMPARE(lists->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(lists->currentRow(), 0);
        // Each row carries the learner's progress on its marked words.
        QCOMPARE(lists->item(1)->toolTip(), QStringLiteral("Leicht: 0, Mittel: 0, Schwer: 1"));
        QVERIFY(!child<QLabel>("Image3")->pixmap().isNull());
        QVERIFY(child<QLabel>("Image1")->pixmap().isNull());
    }

    void aClickOnARowTicksItOnceAndSpaceToo()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        auto* lists = child<QListWidget>("CheckListBox1");
        QListWidgetItem* row = lists->item(0);
        const QRect r = lists->visualItemRect(row);
        for (const QPoint at : {r.center(), QPoint(r.left() + 8, r.center().y())}) {
            QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(row->checkState(), Qt::Checked);
            QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(row->checkState(), Qt::Unchecked);
        }
        lists->setCurrentItem(row);
        QTest::keyClick(lists, Qt::Key_Space);
        QCOMPARE(row->checkState(), Qt::Checked);
    }

    void losGehtsWithNothingTickedStaysOnThePage()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        clickArea("Label9");
        QCOMPARE(fx->seams.messages,
                 QStringList{QStringLiteral("Oops, Du hast ja noch gar nichts zum Lernen ausgewählt.")});
        QVERIFY(!house->isVisible());
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
    }

    void losGehtsLoadsTheTickedListsAndOpensTheHouse()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}});
        cShellFixture::writeList(QStringLiteral("Latein"), {{"amicus", "der Freund"}});
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        child<QListWidget>("CheckListBox1")->item(1)->setCheckState(Qt::Checked);
        click("Vokabelnauswahl_LosGehts");
        QVERIFY(fx->seams.messages.isEmpty());
        QVERIFY(house->isVisible());
        QVERIFY(house->isEnabled());
        std::string original, translation;
        for (int i = 0; i < 5; ++i) {
            tavrio::session()->GetNextWord(original, translation);
            QCOMPARE(QByteArray::fromStdString(original), QByteArray("amicus"));
        }
    }

    // Back from the house the page is not entered again: its bars show the
    // answers given there, and a second "Los gehts" loads only what is
    // ticked now.
    void aSecondLosGehtsPractisesOnlyTheListsTickedNow()
    {
        cShellFixture::writeProfile("Anna");
        cShellFixture::writeList(QStringLiteral("Englisch"), {{"dog", "Hund"}, {"cat", "Katze"}});
        cShellFixture::writeList(QStringLiteral("Latein"), {{"amicus", "der Freund"}});
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        auto* lists = child<QListWidget>("CheckListBox1");
        lists->item(0)->setCheckState(Qt::Checked);
        click("Vokabelnauswahl_LosGehts");
        QCOMPARE(tavrio::session()->CountWords(3), 2);
        tavrio::session()->IstDasRichtig("dog", "Hund", "Hund");
        tavrio::returnTo(house.get(), start.get());
        // The bars take in the answer given in the house.
        QCOMPARE(lists->item(0)->toolTip(), QStringLiteral("Leicht: 0, Mittel: 1, Schwer: 1"));
        lists->item(0)->setCheckState(Qt::Unchecked);
        lists->item(1)->setCheckState(Qt::Checked);
        click("Vokabelnauswahl_LosGehts");
        QCOMPARE(tavrio::session()->CountWords(3), 1);
        std::string original, translation;
        tavrio::session()->GetNextWord(original, translation);
        QCOMPARE(QByteArray::fromStdString(original), QByteArray("amicus"));
    }

    void theScaleCaptionsAreShownWhole_data()
    {
        QTest::addColumn<QString>("label");
        for (const char* name : {"IntensivLabel1", "IntensivLabel2", "IntensivLabel3", "HartLabel1", "HartLabel2",
                                 "HartLabel3", "HartLabel4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void theScaleCaptionsAreShownWhole()
    {
        QFETCH(QString, label);
        auto* l = child<QLabel>(qPrintable(label));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
        QVERIFY(QRect(0, 0, 800, 600).contains(l->geometry()));
    }

    void confirmedSettingsAreWrittenToConfigIni()
    {
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        click("Button30");
        QCOMPARE(start->currentPage(), int(TFormStart::SettingsPage));
        child<QScrollBar>("WieIntensivWert")->setValue(0);
        child<QScrollBar>("WieHartBestraft")->setValue(20);
        clickArea("Label20");
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        cConfigFile config("config.ini");
        std::int32_t intensity = -1, strictness = -1;
        QVERIFY(config.GetIntValue("WieIntensiv", intensity));
        QVERIFY(config.GetIntValue("WieHartBestraft", strictness));
        QCOMPARE(intensity, 0);
        QCOMPARE(strictness, 20);
        QCOMPARE(tavrio::session()->GetStrictness(), 20u);
    }

    void leavingSettingsWithBackKeepsTheOldOnes()
    {
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        tavrio::session()->SetLearningSettings(30, 60);
        start->showPage(TFormStart::SettingsPage);
        QCOMPARE(child<QScrollBar>("WieIntensivWert")->value(), 30);
        QCOMPARE(child<QScrollBar>("WieHartBestraft")->value(), 60);
        child<QScrollBar>("WieIntensivWert")->setValue(90);
        child<QScrollBar>("WieHartBestraft")->setValue(5);
        clickArea("Label21");
        QCOMPARE(start->currentPage(), int(TFormStart::ListSelectionPage));
        QVERIFY(!QFile::exists(QStringLiteral("config.ini")));
        start->showPage(TFormStart::SettingsPage);
        QCOMPARE(child<QScrollBar>("WieIntensivWert")->value(), 30);
        QCOMPARE(child<QScrollBar>("WieHartBestraft")->value(), 60);
    }

    void pagesFilledElsewhereGetTheirEnteredRoutine()
    {
        int entered = 0;
        start->setPageEnteredHandler(TFormStart::ListEditorPage, [&] { ++entered; });
        cShellFixture::writeProfile("Anna");
        start->FormShow();
        logIn(QStringLiteral("Anna"));
        click("Button4");
        QCOMPARE(start->currentPage(), int(TFormStart::ListEditorPage));
        QCOMPARE(entered, 1);
        start->showPage(TFormStart::ListSelectionPage);
        clickArea("Image2");
        QCOMPARE(start->currentPage(), int(TFormStart::LoginPage));
        QCOMPARE(start->page(TFormStart::ListEditorPage)->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(start->page(TFormStart::ExchangePage)->objectName(), QStringLiteral("TabSheet4"));
    }

    void aFailingVersionCheckIsIgnored()
    {
        int asked = 0;
        start->setVersionCheck([&](int v) {
            asked = v;
            throw std::runtime_error("offline");
        });
        start->CheckVersion(2);
        QCOMPARE(asked, 2);
    }
};

QTEST_MAIN(StartScreenTest)
#include "StartScreenTest.moc"
