// Style sheets, fonts and placements by measured text wait until their
// widget is first shown.
#include "ui/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void aSheetWaitsForTheFirstShow_data()
    {
        QTest::addColumn<QString>("direct");   // set with setStyleSheet before the show
        QTest::addColumn<QString>("later");    // a second pending sheet before the show
        QTest::addColumn<QString>("expected"); // the sheet once shown
        QTest::newRow("pending sheet") << QString() << QString() << QStringLiteral("color: red;");
        QTest::newRow("a direct sheet wins") << QStringLiteral("color: blue;") << QString()
                                             << QStringLiteral("color: blue;");
        QTest::newRow("the last pending sheet") << QString() << QStringLiteral("color: green;")
                                                << QStringLiteral("color: green;");
    }
    void aSheetWaitsForTheFirstShow()
    {
        QFETCH(QString, direct);
        QFETCH(QString, later);
        QFETCH(QString, expected);
        QWidget window;
        auto* label = new QLabel(QStringLiteral("x"), &window);
        tavrio::setStyleSheetWhenShown(label, QStringLiteral("color: red;"));
        if (!later.isEmpty())
            tavrio::setStyleSheetWhenShown(label, later);
        if (!direct.isEmpty())
            label->setStyleSheet(direct);
        window.ensurePolished(); // polished, not shown: nothing yet
        QCOMPARE(label->styleSheet(), direct);
        window.show();
        QCOMPARE(label->styleSheet(), expected);
        // Shown once, later sheets apply at once.
        tavrio::setStyleSheetWhenShown(label, QStringLiteral("color: black;"));
        QCOMPARE(label->styleSheet(), QStringLiteral("color: black;"));
    }

    void aNeighbourIsPlacedAtTheFirstShow_data()
    {
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("fill"); // 0: the neighbour keeps its width
        QTest::newRow("moved") << 8 << 0;
        QTest::newRow("moved and stretched") << 11 << 700;
    }
    void aNeighbourIsPlacedAtTheFirstShow()
    {
        QFETCH(int, gap);
        QFETCH(int, fill);
        QWidget window;
        window.resize(800, 100);
        auto* label = new QLabel(QStringLiteral("Vokabeln aus der Datei :"), &window);
        label->move(40, 10);
        auto* next = new QLabel(QStringLiteral("x"), &window);
        next->setGeometry(40, 20, 50, 30);
        tavrio::placeAfterWhenShown(label, next, gap, fill);
        QCOMPARE(next->geometry(), QRect(40, 20, 50, 30));
        window.show();
        QCOMPARE(label->size(), label->sizeHint());
        const int x = 40 + label->width() + gap;
        QCOMPARE(next->geometry(), QRect(x, 20, fill > 0 ? fill - x : 50, 30));
    }

    void aFontWaitsForTheFirstShow()
    {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        const int before = edit->font().pixelSize();
        QFont big = edit->font();
        big.setPixelSize(before == 31 ? 32 : 31);
        tavrio::setFontWhenShown(edit, big);
        QCOMPARE(edit->font().pixelSize(), before);
        window.show();
        QCOMPARE(edit->font(), big);
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
