// Style sheets wait until their widget is first shown.
#include "ui/Look.h"

#include <QLabel>
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
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
