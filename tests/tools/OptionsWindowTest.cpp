// The options window among the program's own windows: the file choice, the
// crib switches and the windows it opens.
#include "tests/app/WindowsUp.h"
#include "tests/support/NamedChild.h"

#include "app/EntranceWindow.h"
#include "app/Tavrio.h"
#include "exercises/hidden/TForm5.h"
#include "exercises/level/TForm20.h"
#include "exercises/singlequery/TForm4.h"
#include "exercises/wordsearch/TForm14.h"
#include "tools/grammar/TForm6.h"
#include "tools/options/TForm2.h"
#include "ui/HelpWindow.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

using tavrio::test::cShellFixture;
using tavrio::test::cShellWindows;
using tavrio::windows;

Q_DECLARE_METATYPE(std::function<QWidget*()>)

namespace {
using WindowOf = std::function<QWidget*()>;

template <class T>
T* child(QWidget* w, const QString& name)
{
    return tavrio::test::namedChild<T>(w, name);
}

QWidget* windowNamed(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QLineEdit* fileField(QWidget* w)
{
    if (auto* f = w->findChild<QLineEdit*>(QStringLiteral("dateiname")))
        return f;
    return w->findChild<QLineEdit*>(QStringLiteral("Dateiname"));
}

// Window name -> text of its file name field, for every window that has one.
QMap<QString, QString> fileFields()
{
    QMap<QString, QString> fields;
    for (const QString& name : TForm2::fileNameWindows())
        if (QWidget* w = windowNamed(name))
            if (QLineEdit* f = fileField(w))
                fields[name] = f->text();
    return fields;
}
} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<cShellWindows> fx;
    TForm2* options() const { return windows().form2; }
    QPushButton* button(const char* name) const { return child<QPushButton>(options(), QLatin1String(name)); }

private slots:
    void init()
    {
        fx = std::make_unique<cShellWindows>();
        windows().form1->setEnabled(false);
        options()->openFrom(windows().form1);
    }
    void cleanup() { fx.reset(); }

    void cancellingTheFileChoiceChangesNoField()
    {
        const auto before = fileFields();
        button("Button2")->click();
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Auswahl NICHT erfolgt")});
        QCOMPARE(fileFields(), before);
    }

    void everyFileNameFieldReceivesThePath()
    {
        const QString path = fx->path(QStringLiteral("Französisch.vok"));
        fx->seams.fileAnswers << path;
        button("Button2")->click();
        QCOMPARE(fx->seams.messages, QStringList{QStringLiteral("Auswahl erfolgt !")});
        const auto fields = fileFields();
        for (const QString& name : TForm2::fileNameWindows())
            QVERIFY2(fields.contains(name), qPrintable(name));
        for (auto it = fields.begin(); it != fields.end(); ++it)
            QVERIFY2(it.value() == path, qPrintable(it.key()));
    }

    void cribSwitchesActAtOnceAlsoWhileHidden_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<WindowOf>("exercise");
        QTest::newRow("single query") << QStringLiteral("Einzelabfragespicker")
                                      << WindowOf([] { return static_cast<QWidget*>(windows().form4); });
        QTest::newRow("hidden, but where") << QStringLiteral("Lernspielspicker")
                                           << WindowOf([] { return static_cast<QWidget*>(windows().form5); });
        QTest::newRow("word search") << QStringLiteral("Kreuzwortraetselspicker")
                                     << WindowOf([] { return static_cast<QWidget*>(windows().form14); });
    }
    void cribSwitchesActAtOnceAlsoWhileHidden()
    {
        QFETCH(QString, box);
        QFETCH(WindowOf, exercise);
        auto* sw = child<QCheckBox>(options(), box);
        auto* crib = child<QPushButton>(exercise(), QStringLiteral("Spicker"));
        QVERIFY(!sw->isChecked());
        QVERIFY(!crib->isEnabled());
        QVERIFY(!exercise()->isVisible());
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(crib->isEnabled());
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(!crib->isEnabled());
        // Only its own exercise's crib follows the switch.
        sw->setChecked(true);
        int enabled = 0;
        for (QWidget* w : {static_cast<QWidget*>(windows().form4), static_cast<QWidget*>(windows().form5),
                           static_cast<QWidget*>(windows().form14)})
            enabled += child<QPushButton>(w, QStringLiteral("Spicker"))->isEnabled() ? 1 : 0;
        QCOMPARE(enabled, 1);
    }

    void theSingleQueryAsksTheChosenFileAndReturnsHere()
    {
        cShellFixture::writeBytes(QStringLiteral("drei.vok"), "Haus\r\nhouse\r\n1\r\n");
        fx->seams.fileAnswers << fx->path(QStringLiteral("drei.vok"));
        button("Button2")->click();
        child<QCheckBox>(options(), QStringLiteral("Einzelabfragespicker"))->setChecked(true);
        button("Einzelabfrage")->click();
        TForm4* query = windows().form4;
        QVERIFY(query->isVisible() && query->isEnabled());
        QVERIFY(!options()->isEnabled());
        child<QPushButton>(query, QStringLiteral("Button2"))->click();
        QCOMPARE(child<QLineEdit>(query, QStringLiteral("Orginal"))->text(), QStringLiteral("Haus"));
        QVERIFY(child<QPushButton>(query, QStringLiteral("Spicker"))->isEnabled());
        child<QPushButton>(query, QStringLiteral("Button1"))->click();
        QVERIFY(!query->isVisible());
        QVERIFY(options()->isVisible() && options()->isEnabled());
        QVERIFY(!windows().form1->isEnabled());
    }

    void theGrammarNotesReturnHere()
    {
        button("Grammatik")->click();
        QWidget* notes = windows().form6;
        QVERIFY(notes->isVisible() && notes->isEnabled());
        QVERIFY(!options()->isEnabled());
        QTest::keyClick(notes, Qt::Key_Escape);
        QVERIFY(!notes->isVisible());
        QVERIFY(options()->isVisible() && options()->isEnabled());
    }

    void theLevelEditorReturnsHere()
    {
        button("Button5")->click();
        QWidget* editor = windows().form20;
        QVERIFY(editor->isVisible() && editor->isEnabled());
        QVERIFY(!options()->isEnabled());
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(options()->isVisible() && options()->isEnabled());
    }

    void theVocabularyEditorReturnsHere()
    {
        button("Button4")->click();
        QWidget* editor = windowNamed(QStringLiteral("TForm3"));
        QVERIFY(editor);
        QVERIFY(editor->isVisible() && editor->isEnabled());
        QVERIFY(!options()->isEnabled());
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QVERIFY(options()->isVisible() && options()->isEnabled());
    }

    void helpShowsTheOptionsPicture()
    {
        button("Button3")->click();
        QCOMPARE(windows().form15->currentPicture(), QStringLiteral("Hilfe\\Optionen.bmp"));
        QVERIFY(!child<QLabel>(windows().form15, QStringLiteral("Thema"))->pixmap().isNull());
        QVERIFY(!child<QLabel>(options(), QStringLiteral("Image1"))->pixmap().isNull());
    }

    void tabReachesEveryControl()
    {
        QVERIFY(QTest::qWaitForWindowActive(options()));
        QSet<QWidget*> reached;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : options(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        for (QWidget* w : options()->findChildren<QWidget*>()) {
            if ((qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w)) && w->isVisible())
                QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
