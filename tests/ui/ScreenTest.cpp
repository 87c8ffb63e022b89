// The look on any machine: the children's font, the drawing factor for large
// screens, and the default button of Yes/No boxes.
#include "ui/Screen.h"
#include "ui/ScreenPixels.h"
#include "ui/Seams.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <vector>

class ScreenTest : public QObject {
    Q_OBJECT
private slots:
    void comicSansIsShownAsComicNeue()
    {
        if (!QFontDatabase::families().contains(QStringLiteral("Comic Neue")))
            QSKIP("Comic Neue is not installed (scripts/install-deps.sh installs it)");
        tavrio::installFontSubstitutions();
        QFont comic(QStringLiteral("Comic Sans MS"));
        comic.setPixelSize(19);
        QCOMPARE(QFontInfo(comic).family(), QStringLiteral("Comic Neue"));
    }

    void theFactorGrowsWithTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("factor");
        QTest::newRow("800 x 600") << QSize(800, 600) << 1.0;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.0;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.0;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.5;
        QTest::newRow("1920 x 1200") << QSize(1920, 1200) << 1.75;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.0;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.0;
        QTest::newRow("unknown") << QSize() << 1.0;
    }
    void theFactorGrowsWithTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(double, factor);
        QCOMPARE(tavrio::scaleFactorFor(screen), factor);
        // An 800 x 600 window always fits, with room around it.
        if (screen.isValid()) {
            QVERIFY(800 * factor <= screen.width());
            QVERIFY(600 * factor <= screen.height());
        }
    }

    // The X server is asked directly only where Qt will draw through it.
    void theScreenIsAskedOfXOnlyWhereQtUsesX_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("direct");
        QTest::newRow("X11 desktop") << QByteArray() << QByteArray(":0") << QStringList() << true;
        QTest::newRow("xcb chosen") << QByteArray("xcb") << QByteArray(":0") << QStringList() << true;
        QTest::newRow("xcb with options") << QByteArray("xcb:nograb") << QByteArray(":0") << QStringList() << true;
        QTest::newRow("no display") << QByteArray() << QByteArray() << QStringList() << false;
        QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray(":0") << QStringList() << false;
        QTest::newRow("wayland") << QByteArray("wayland") << QByteArray(":0") << QStringList() << false;
        QTest::newRow("-platform argument") << QByteArray() << QByteArray(":0")
                                            << QStringList{QStringLiteral("-platform"), QStringLiteral("vnc")}
                                            << false;
    }
    void theScreenIsAskedOfXOnlyWhereQtUsesX()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QStringList, args);
        QFETCH(bool, direct);
        std::vector<QByteArray> bytes{QByteArrayLiteral("tavrio")};
        for (const QString& a : args)
            bytes.push_back(a.toUtf8());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        QCOMPARE(tavrio::asksX11Directly(platform, display, int(argv.size()), argv.data()), direct);
    }

    void returnInAYesNoBoxTakesTheDefaultButton_data()
    {
        QTest::addColumn<bool>("presetYes");
        QTest::newRow("Nein for discarding work") << false;
        QTest::newRow("Ja") << true;
    }
    void returnInAYesNoBoxTakesTheDefaultButton()
    {
        QFETCH(bool, presetYes);
        tavrio::installQtSeams();
        QString defaultCaption;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const bool yes = tavrio::askYesNo(QStringLiteral("Alle Änderungen verwerfen?"),
                                          presetYes ? tavrio::cDefaultAnswer::Yes : tavrio::cDefaultAnswer::No);
        QCOMPARE(defaultCaption, presetYes ? QStringLiteral("Ja") : QStringLiteral("Nein"));
        QCOMPARE(yes, presetYes);
    }
};

QTEST_MAIN(ScreenTest)
#include "ScreenTest.moc"
