// The engine test page: reached by the hidden "Testlogin", every action
// adds its trace line and drives the session.
#include "tests/app/ShellFixture.h"
#include "tests/support/NamedChild.h"

#include "engine/Session.h"
#include "start/StartScreen.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using tavrio::test::cShellFixture;

class EngineTestPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellFixture> fx;
    std::unique_ptr<TFormStart> start;
    std::unique_ptr<QWidget> entrance;

    template <class T>
    T* child(const char* name)
    {
        return tavrio::test::namedChild<T>(start.get(), QString::fromLatin1(name));
    }
    void click(const char* name) { QMetaObject::invokeMethod(child<QPushButton>(name), "click"); }
    QStringList trace() { return child<QPlainTextEdit>("Memo1")->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QString lastLine() { return trace().value(trace().size() - 1); }
    void testLogin(const QString& profile)
    {
        auto* profiles = child<QComboBox>("ComboBox1");
        profiles->setCurrentIndex(profiles->findText(profile));
        click("Button10");
    }
    void loadPairList()
    {
        cShellFixture::writeBytes("vokabeln.vok", "self-confident\r\nselbstbewu\xDFt\r\n1\r\n\r\n"
                                                  "Haus\r\nhouse\r\n1\r\nhaUs\r\n");
        click("Button13");
    }

private slots:
    void init()
    {
        fx = std::make_unique<cShellFixture>();
        cShellFixture::clearSettings();
        cShellFixture::writeProfile("Anna");
        entrance = std::make_unique<QWidget>();
        tavrio::windows().entrance = entrance.get();
        start = std::make_unique<TFormStart>();
        tavrio::windows().formStart = start.get();
        start->show();
    }
    void cleanup()
    {
        start.reset();
        entrance.reset();
        tavrio::setSession(nullptr);
        tavrio::windows() = {};
        fx.reset();
    }

    void testLoginOpensThePageWithTheFirstDifficulty()
    {
        QVERIFY(!child<QPushButton>("Button10")->isVisible());
        child<QComboBox>("ComboBox3")->setCurrentIndex(2);
        testLogin(QStringLiteral("Anna"));
        QCOMPARE(start->currentPage(), int(TFormStart::EngineTestPage));
        QVERIFY(tavrio::session() != nullptr);
        QVERIFY(!entrance->isEnabled());
        QCOMPARE(child<QComboBox>("ComboBox3")->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>("Edit6")->text(), QStringLiteral("vokabeln.vok"));
        click("Button11");
        QCOMPARE(start->currentPage(), int(TFormStart::LoginPage));
    }

    void drawing_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("line");
        QTest::newRow("nothing loaded") << false << 2 << "GetRandomWord [2] --> ,,";
        QTest::newRow("only hard words, easy asked") << true << 0 << "GetRandomWord [0] --> ";
    }
    void drawing()
    {
        QFETCH(bool, loaded);
        QFETCH(int, difficulty);
        QFETCH(QString, line);
        testLogin(QStringLiteral("Anna"));
        if (loaded)
            loadPairList();
        child<QComboBox>("ComboBox3")->setCurrentIndex(difficulty);
        click("Button12");
        QCOMPARE(trace().size(), 1);
        if (!loaded) {
            QCOMPARE(lastLine(), line);
            return;
        }
        // A "Leicht" request with only "Schwer" entries draws among them.
        QVERIFY2(lastLine() == line + QStringLiteral("self-confident,selbstbewußt,")
                     || lastLine() == line + QStringLiteral("Haus,house,haUs"),
                 qPrintable(lastLine()));
    }

    void answerChecks_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("scoreAsked");    // selbstbewußt -> self-confident
        QTest::addColumn<int>("scoreStored");   // self-confident -> selbstbewußt, as the list holds it
        const QString head = QStringLiteral("IstDasRichtig [selbstbewußt,");
        QTest::newRow("right with the defaults") << QByteArray("Button14") << "self-confident"
                                                 << head + "self-confident,self-confident] --> JUP! 1" << 45 << 20;
        QTest::newRow("wrong") << QByteArray("Button14") << "selfconfident"
                               << head + "selfconfident,self-confident] --> NÖÖ!" << 20 << 20;
        QTest::newRow("case differs, exact check") << QByteArray("Button14") << "Self-Confident"
                                                   << head + "Self-Confident,self-confident] --> NÖÖ!" << 20 << 20;
        // The stored spelling's score rises; the trace asks for the typed one.
        QTest::newRow("case differs, case ignored") << QByteArray("Button17") << "Self-Confident"
                                                    << head + "Self-Confident,self-confident] --> JUP! 2" << 20 << 45;
        QTest::newRow("difficulty only") << QByteArray("Button15") << "self-confident"
                                         << "IstDasRichtig [self-confident,selbstbewußt] --> 2" << 20 << 20;
    }
    void answerChecks()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, given);
        QFETCH(QString, line);
        QFETCH(int, scoreAsked);
        QFETCH(int, scoreStored);
        testLogin(QStringLiteral("Anna"));
        loadPairList();
        child<QLineEdit>("Edit7")->setText(given);
        click(button.constData());
        QCOMPARE(trace(), QStringList{line});
        QCOMPARE(tavrio::session()->GetScore("selbstbewu\xDFt", "self-confident"), scoreAsked);
        QCOMPARE(tavrio::session()->GetScore("self-confident", "selbstbewu\xDFt"), scoreStored);
    }

    void saveProfileWritesTheScores()
    {
        testLogin(QStringLiteral("Anna"));
        loadPairList();
        click("Button14");
        click("Button16");
        QCOMPARE(lastLine(), QStringLiteral("SaveProfile"));
        tavrio::setSession(nullptr);
        cSession reloaded("Anna");
        QCOMPARE(reloaded.GetScore("selbstbewu\xDFt", "self-confident"), 45);
    }
};

QTEST_MAIN(EngineTestPageTest)
#include "EngineTestPageTest.moc"
