// The phonetic entry TForm25: composing from the sign buttons, playback piece
// after piece, handing the texts back.
#include "tests/app/ShellFixture.h"
#include "tests/support/NamedChild.h"
#include "tests/support/TabWalk.h"

#include "engine/ListFile.h"
#include "tools/phonetics/PhoneticSigns.h"
#include "tools/phonetics/TForm25.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/Phonetic.h"
#include "ui/Windows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>

using tavrio::test::cShellFixture;
using tavrio::test::namedChild;

namespace {
// A playable WAV: 8 kHz, 8 bit, mono, `ms` milliseconds of a square wave.
std::string wav(int ms)
{
    const quint32 n = quint32(8 * ms);
    std::string b = "RIFF";
    const auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.push_back(char((v >> (8 * i)) & 0xFF)); };
    const auto u16 = [&b](quint16 v) { b.push_back(char(v & 0xFF)); b.push_back(char(v >> 8)); };
    u32(36 + n);
    b += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
    b += "data";
    u32(n);
    for (quint32 i = 0; i < n; ++i)
        b.push_back(char((i / 10) % 2 ? 0xC0 : 0x40));
    return b;
}

void writeSound(const std::string& piece, const std::string& bytes)
{
    QDir().mkpath(QStringLiteral("Sound"));
    QVERIFY(WriteFileAtomic(tavrio::phonetics::SoundName(piece), bytes));
}
} // namespace

class PhoneticWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<cShellFixture> fx;
    std::unique_ptr<TForm25> form;
    std::unique_ptr<TForm3> editor;

    template <class T>
    T* child(const char* name) { return namedChild<T>(form.get(), QString::fromLatin1(name)); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    QStringList queue()
    {
        QStringList items;
        auto* list = child<QListWidget>("ListBox2");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    QString soundPath(const QString& piece) { return QDir::current().filePath(QStringLiteral("Sound/") + piece + ".wav"); }

private slots:
    void init()
    {
        fx = std::make_unique<cShellFixture>();
        form = std::make_unique<TForm25>();
        editor = std::make_unique<TForm3>();
        tavrio::windows().form25 = form.get();
        tavrio::windows().form3 = editor.get();
    }
    void cleanup()
    {
        tavrio::windows() = tavrio::cWindows{};
        form.reset();
        editor.reset();
        fx.reset();
    }

    void signButtonsCarryGlyphsHintsAndBytes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("long a") << "Button53" << QString::fromUtf8("aː") << "e: arm, harm d: Bahn";
        QTest::newRow("tied diphthong") << "Button58" << QString::fromUtf8("a͡i") << "d: weit";
        QTest::newRow("nasal long") << "Button57" << QString::fromUtf8("a\u0303ː") << "d: Abonnement";
        QTest::newRow("stress mark") << "Button83" << QString::fromUtf8("ˈ") << "in z.B. Balkon (davor) bal'ko~:";
        QTest::newRow("glottal stop") << "Button84" << QString::fromUtf8("ʔ") << "Stop z.B. Koordination Ko?...";
        QTest::newRow("umlaut hint") << "Button3" << QString::fromUtf8("ː")
                                     << QString::fromUtf8("Längenzeichen z.B. Chrom (danach) kro:m");
        QTest::newRow("non-syllabic") << "Button55" << QString::fromUtf8("ɐ̯") << "d: Uhr";
    }
    void signButtonsCarryGlyphsHintsAndBytes()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        auto* b = namedChild<QPushButton>(form.get(), button);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->toolTip(), hint);
        QCOMPARE(b->size(), QSize(49, 49));
    }

    void everySignShowsAGlyphForEachOfItsBytes()
    {
        for (const auto& s : tavrio::phonetics::Signs()) {
            const QString caption = namedChild<QPushButton>(form.get(), QString::fromLatin1(s.button))->text();
            QVERIFY2(!caption.contains(QChar(tavrio::kPhoneticPlaceholder)), s.button);
            QVERIFY2(!caption.contains(QChar(tavrio::kPhoneticBase)), s.button);
        }
        for (const char* hidden : {"Button17", "Button40", "Button94"})
            QVERIFY(!child<QPushButton>(hidden)->isVisibleTo(form.get()));
    }

    void signsAppendAtTheEndAndLetzterWegTakesOneByte()
    {
        QVERIFY(form->transcription().empty());
        click("Button95");
        QVERIFY(form->transcription().empty());
        click("Button53");
        click("Button53");
        QCOMPARE(form->transcription(), std::string("a\xC9" "a\xC9"));
        QCOMPARE(child<QLineEdit>("Lautschrift")->text(), QString::fromUtf8("aːaː"));
        // The caret does not matter: a sign always goes to the end.
        child<QLineEdit>("Lautschrift")->setCursorPosition(0);
        click("Button58");
        QCOMPARE(form->transcription(), std::string("a\xC9" "a\xC9" "a\x92i"));
        click("Button95");
        QCOMPARE(form->transcription(), std::string("a\xC9" "a\xC9" "a\x92"));
    }

    void playbackTakesTheLongestPiecesAndPlaysThemOneAfterAnother()
    {
        writeSound("a", "x");
        writeSound("a\xC9", "x");
        writeSound("b", "x");
        form->setTexts({}, {}, "ba\xC9");
        QSignalSpy finished(form.get(), &TForm25::playbackFinished);
        click("Button2");
        // The first piece is taken from the queue as it starts.
        QCOMPARE(fx->seams.sounds, QStringList{soundPath("b")});
        QCOMPARE(queue(), QStringList{QString::fromUtf8("aː")});
        QVERIFY(form->playing());
        QVERIFY(fx->seams.finishSound());
        QCOMPARE(fx->seams.sounds, (QStringList{soundPath("b"), soundPath(QString::fromUtf8("aÉ"))}));
        QVERIFY(queue().isEmpty());
        QCOMPARE(finished.count(), 0);
        QVERIFY(fx->seams.finishSound());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!form->playing());
        QVERIFY(!fx->seams.finishSound());
    }

    void playbackOfNothingPlayableLeavesTheQueueEmpty_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty transcription") << QByteArray();
        QTest::newRow("first sign without a sound") << QByteArray("qa");
    }
    void playbackOfNothingPlayableLeavesTheQueueEmpty()
    {
        QFETCH(QByteArray, text);
        writeSound("a", "x");
        form->setTexts({}, {}, text.toStdString());
        QSignalSpy finished(form.get(), &TForm25::playbackFinished);
        click("Button2");
        QVERIFY(fx->seams.sounds.isEmpty());
        QVERIFY(queue().isEmpty());
        QCOMPARE(finished.count(), 1);
    }

    void closingDropsThePiecesNotYetPlayed()
    {
        writeSound("a", "x");
        form->setTexts({}, {}, "aaa");
        click("Button2");
        QCOMPARE(queue().size(), 2);
        click("Button1");
        QVERIFY(fx->seams.finishSound());
        QCOMPARE(fx->seams.sounds.size(), 1);
        QVERIFY(!form->playing());
    }

    void realSoundsPlayWhatTheyCanWithoutHoldingTheWindow()
    {
        // The program's own sound seam, whatever the machine's audio: a good
        // piece, a broken file and one that vanished after the split.
        tavrio::installQtSeams();
        tavrio::SoundSeam* real = tavrio::seams().sound;
        fx->seams.install();
        tavrio::seams().sound = real;
        writeSound("b", wav(60));
        writeSound("x", std::string("RIFF\x04\0\0\0WAVEjunk", 16));
        writeSound("a", wav(60));
        form->setTexts({}, {}, "bxab");
        QSignalSpy finished(form.get(), &TForm25::playbackFinished);
        click("Button2");
        QCOMPARE(queue().size(), 3);
        QVERIFY(QFile::remove(soundPath("a")));
        // The window keeps answering while the pieces play.
        QVERIFY(form->isEnabled());
        QVERIFY(finished.wait(10000));
        QVERIFY(queue().isEmpty());
        QVERIFY(!form->playing());
    }

    void schliessenHandsTheTextsToTheEditorAndTheOpener_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Schliessen") << false;
        QTest::newRow("Esc") << true;
    }
    void schliessenHandsTheTextsToTheEditorAndTheOpener()
    {
        QFETCH(bool, byEsc);
        QWidget opener;
        opener.show();
        std::string handedBack = "unset";
        form->openFrom(&opener, [&](const std::string& p) { handedBack = p; });
        QVERIFY(!opener.isEnabled());
        child<QLineEdit>("Original")->setText(QStringLiteral("Bahn"));
        child<QLineEdit>("Uebersetzung")->setText(QStringLiteral("railway"));
        form->setTexts(QStringLiteral("Bahn"), QStringLiteral("railway"), "b");
        click("Button53");
        click("Button37");
        if (byEsc)
            QTest::keyClick(child<QPushButton>("Button37"), Qt::Key_Escape);
        else
            click("Button1");
        QVERIFY(!form->isVisible());
        QVERIFY(opener.isEnabled());
        QCOMPARE(handedBack, std::string("ba\xC9n"));
        QCOMPARE(namedChild<QLineEdit>(editor.get(), QStringLiteral("Orginal"))->text(), QStringLiteral("Bahn"));
        QCOMPARE(namedChild<QLineEdit>(editor.get(), QStringLiteral("Uebersetzung"))->text(), QStringLiteral("railway"));
        QCOMPARE(namedChild<tavrio::cPhoneticEdit>(editor.get(), QStringLiteral("Lautschrift"))->bytes(),
                 std::string("ba\xC9n"));
    }

    void tabWalksTheFieldsThenTheSignsRowByRowThenTheButtons()
    {
        const QList<QWidget*> walk = tavrio::test::tabWalk(form.get(), child<QLineEdit>("Original"), 3 + 84 + 3);
        QCOMPARE(walk.size(), 3 + 84 + 4);
        const QStringList names = tavrio::test::namesOf(walk);
        QCOMPARE(names.mid(0, 3), (QStringList{"Original", "Uebersetzung", "Lautschrift"}));
        QCOMPARE(names.mid(87), (QStringList{"Button95", "Button2", "Button1", "Original"}));
        // Every sign once, in reading order: along a row, then down to the next.
        QSet<QString> signs;
        for (int i = 3; i < 87; ++i) {
            QVERIFY2(walk[i]->property("signBytes").isValid(), qPrintable(names[i]));
            signs << names[i];
            if (i > 3) {
                const QPoint a = walk[i - 1]->pos();
                const QPoint b = walk[i]->pos();
                QVERIFY2(b.y() > a.y() || (b.y() == a.y() && b.x() > a.x()), qPrintable(names[i]));
            }
        }
        QCOMPARE(signs.size(), 84);
    }
};

QTEST_MAIN(PhoneticWindowTest)
#include "PhoneticWindowTest.moc"
