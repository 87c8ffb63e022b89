// The shared window layer: text conversion, centring, asset paths, seams.
#include "ScriptedSeams.h"
#include "engine/Messages.h"
#include "ui/Assets.h"
#include "ui/HelpWindow.h"
#include "ui/KeyboardLook.h"
#include "ui/Navigation.h"
#include "ui/Text.h"
#include "ui/Windows.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void ansiRoundTrip_data();
    void ansiRoundTrip();
    void unmappableCharactersBecomeQuestionMarks();
    void centringOffset_data();
    void centringOffset();
    void shorterWindowsStayBehindTheWindowInFront_data();
    void shorterWindowsStayBehindTheWindowInFront();
    void assetPathsUseNativeSeparators();
    void missingPictureIsNullNotFatal();
    void largeScreensTakeTheDoubleSizePicture_data();
    void largeScreensTakeTheDoubleSizePicture();
    void engineMessagesReachTheMessageSeam();
    void messageBoxBreaksLinesAtCarriageReturns();
    void openAndReturnToggleEnabledState();
    void helpWindowShowsAndDropsItsPicture();
    void schliessenCoversNothingOfAnyHelpPicture();
    void returnClicksAFocusedButtonOnce_data();
    void returnClicksAFocusedButtonOnce();
    void aFocusedButtonShowsTheDashedFrame();
};

void UiTest::ansiRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Haus") << QStringLiteral("Haus");
    QTest::newRow("umlauts") << QByteArray("\xe4\xf6\xfc\xc4\xd6\xdc\xdf") << QStringLiteral("äöüÄÖÜß");
    QTest::newRow("euro and quotes") << QByteArray("\x80\x84\x93") << QString::fromUtf8("€„“");
    QTest::newRow("oe ligature") << QByteArray("\x9c\x8c") << QString::fromUtf8("œŒ");
    QTest::newRow("empty") << QByteArray() << QString();
}

void UiTest::ansiRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::string raw(bytes.constData(), static_cast<size_t>(bytes.size()));
    QCOMPARE(tavrio::fromAnsi(raw), text);
    QCOMPARE(tavrio::toAnsi(text), raw);
}

void UiTest::unmappableCharactersBecomeQuestionMarks()
{
    QCOMPARE(tavrio::toAnsi(QString::fromUtf8("aʃb")), std::string("a?b"));
    // Every byte survives the trip to QString and back.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QCOMPARE(tavrio::toAnsi(tavrio::fromAnsi(all)), all);
}

void UiTest::centringOffset_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("offset");
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(112, 84);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(560, 240);
    QTest::newRow("800x600") << QSize(800, 600) << QSize(0, 0);
}

void UiTest::centringOffset()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, offset);
    QCOMPARE(tavrio::centringOffset(screen, QSize(800, 600)), offset);
}

void UiTest::shorterWindowsStayBehindTheWindowInFront_data()
{
    QTest::addColumn<QSize>("screen"); // in units
    QTest::addColumn<double>("factor");
    QTest::newRow("1024x768") << QSize(1024, 768) << 1.0;
    QTest::newRow("1920x1080") << QSize(1280, 720) << 1.5;
    QTest::newRow("2560x1440") << QSize(1280, 720) << 2.0;
}

// The attic (800 x 599) and the single query (800 x 585) stay visible behind
// the 800 x 600 windows opened over them and must not peek out at any edge.
// Qt places a window at a factor by rounding its position and its size
// separately.
void UiTest::shorterWindowsStayBehindTheWindowInFront()
{
    QFETCH(QSize, screen);
    QFETCH(double, factor);
    const auto inPixels = [&](QSize size) {
        const QPoint at = tavrio::centredTopLeft(screen, size);
        return QRect(qRound(at.x() * factor), qRound(at.y() * factor), qRound(size.width() * factor),
                     qRound(size.height() * factor));
    };
    const QRect front = inPixels(QSize(800, 600));
    for (const QSize behind : {QSize(800, 599), QSize(800, 585)})
        QVERIFY2(front.contains(inPixels(behind)), qPrintable(QString::number(behind.height())));
}

void UiTest::assetPathsUseNativeSeparators()
{
    const QString p = tavrio::assetPath(QStringLiteral("BG\\Eingang.bmp"));
    QVERIFY(p.endsWith(QDir::toNativeSeparators(QStringLiteral("BG/Eingang.bmp"))));
    QVERIFY(!p.contains(QLatin1Char('\\')) || QDir::separator() == QLatin1Char('\\'));
}

void UiTest::missingPictureIsNullNotFatal()
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QVERIFY(tavrio::loadPicture(QStringLiteral("BG\\Fehlt.bmp")).isNull());
    QDir::setCurrent(old);
}

void UiTest::largeScreensTakeTheDoubleSizePicture_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("normal");
    QTest::addColumn<bool>("large");
    QTest::addColumn<QColor>("colour"); // of the picture loaded; invalid: none
    const QColor red(Qt::red), blue(Qt::blue);
    QTest::newRow("plain screen keeps the named file") << 1.0 << true << true << red;
    QTest::newRow("factor 1.5 takes the double size") << 1.5 << true << true << blue;
    QTest::newRow("factor 3 takes the double size") << 3.0 << true << true << blue;
    QTest::newRow("double size missing falls back") << 2.0 << true << false << red;
    QTest::newRow("plain screen ignores a lone double size") << 1.0 << false << true << QColor();
}

// Covers the same 4 x 3 units whichever file it comes from.
void UiTest::largeScreensTakeTheDoubleSizePicture()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, normal);
    QFETCH(bool, large);
    QFETCH(QColor, colour);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("BG")));
    const auto write = [&](const QString& name, QSize size, QColor fill) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(fill);
        QVERIFY(img.save(dir.filePath(name)));
    };
    if (normal)
        write(QStringLiteral("BG/Eingang.bmp"), QSize(4, 3), Qt::red);
    if (large)
        write(QStringLiteral("BG/Eingang@2x.png"), QSize(8, 6), Qt::blue);
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QPixmap pm = tavrio::loadPicture(QStringLiteral("BG\\Eingang.bmp"), ratio);
    QDir::setCurrent(old);
    QCOMPARE(pm.isNull(), !colour.isValid());
    if (pm.isNull())
        return;
    QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(4, 3));
    QCOMPARE(pm.toImage().pixelColor(0, 0), colour);
}

void UiTest::engineMessagesReachTheMessageSeam()
{
    tavrio::test::ScriptedSeams fake;
    fake.install();
    ShowMessage("Datei existiert nicht \"m\xfc" "de.vok\"");
    QCOMPARE(fake.messages, QStringList{QStringLiteral("Datei existiert nicht \"müde.vok\"")});
}

void UiTest::messageBoxBreaksLinesAtCarriageReturns()
{
    QCOMPARE(tavrio::messageBoxText(QStringLiteral("Bankrott!\rDu hast 500 verloren.")),
             QStringLiteral("Bankrott!\nDu hast 500 verloren."));
    QCOMPARE(tavrio::messageBoxText(QStringLiteral("a\r\nb\r\rc\n")), QStringLiteral("a\nb\n\nc\n"));
}

void UiTest::openAndReturnToggleEnabledState()
{
    QWidget room;
    QWidget exercise;
    room.show();
    tavrio::openWindow(&room, &exercise);
    QVERIFY(!room.isEnabled());
    QVERIFY(exercise.isVisible() && exercise.isEnabled());
    tavrio::returnTo(&exercise, &room);
    QVERIFY(room.isEnabled() && room.isVisible());
    QVERIFY(!exercise.isVisible());
}

void UiTest::helpWindowShowsAndDropsItsPicture()
{
    TForm15 help;
    tavrio::windows().form15 = &help;
    tavrio::showHelp(QStringLiteral("Hilfe\\Garten.bmp"));
    QVERIFY(help.isVisible());
    QCOMPARE(help.currentPicture(), QStringLiteral("Hilfe\\Garten.bmp"));
    tavrio::showHelp(QStringLiteral("Hilfe\\DasHaus.bmp"));
    QCOMPARE(help.currentPicture(), QStringLiteral("Hilfe\\DasHaus.bmp"));
    QMetaObject::invokeMethod(&help, "SchliessenClick");
    QVERIFY(!help.isVisible());
    QVERIFY(help.currentPicture().isEmpty());
    QVERIFY(help.findChild<QLabel*>(QStringLiteral("Thema"))->pixmap().isNull());
    tavrio::windows().form15 = nullptr;
}

// Every generated help picture is plain where the button lies, so the
// button hides no text or drawing.
void UiTest::schliessenCoversNothingOfAnyHelpPicture()
{
    TForm15 help;
    const QRect button = help.findChild<QPushButton*>(QStringLiteral("Schliessen"))->geometry();
    const QDir pictures(qEnvironmentVariable("TAVRIO_RUNTIME_DIR") + QStringLiteral("/Hilfe"));
    const QStringList files = pictures.entryList({QStringLiteral("*.bmp")});
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        const QImage picture(pictures.filePath(file));
        QVERIFY2(picture.rect().contains(button), qPrintable(file));
        const QRgb plain = picture.pixel(button.topLeft());
        for (int y = button.top(); y <= button.bottom(); ++y)
            for (int x = button.left(); x <= button.right(); ++x)
                if (picture.pixel(x, y) != plain)
                    QFAIL(qPrintable(QStringLiteral("%1 has a drawing at %2, %3").arg(file).arg(x).arg(y)));
    }
}

void UiTest::returnClicksAFocusedButtonOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoDefault");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
    QTest::newRow("Space, as before") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Return on a button that takes it itself") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 1;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
}

void UiTest::returnClicksAFocusedButtonOnce()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoDefault);
    QFETCH(int, clicks);
    tavrio::installKeyboardLook(*qApp);
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Zurück"), &window);
    button->setAutoDefault(autoDefault);
    int clicked = 0;
    connect(button, &QPushButton::clicked, [&clicked] { ++clicked; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked, clicks);
}

void UiTest::aFocusedButtonShowsTheDashedFrame()
{
    tavrio::installKeyboardLook(*qApp);
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Schliessen"), &window);
    button->setGeometry(10, 10, 120, 40);
    auto* other = new QPushButton(QStringLiteral("Hilfe"), &window);
    other->setGeometry(10, 60, 120, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Black dashes on the line 3 px below the top edge, only while focused.
    const auto darkOnFrameLine = [](QPushButton* b) {
        const QImage image = b->grab().toImage();
        int dark = 0;
        for (int x = 12; x < image.width() - 12; ++x)
            dark += qGray(image.pixel(x, 3)) < 60 ? 1 : 0;
        return dark;
    };
    other->setFocus();
    QCOMPARE(darkOnFrameLine(button), 0);
    button->setFocus();
    QVERIFY(darkOnFrameLine(button) > 10);
}

QTEST_MAIN(UiTest)
#include "tst_ui.moc"
