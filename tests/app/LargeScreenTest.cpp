// On a screen drawn at factor 2 the windows take the double-size pictures
// and still lay them out in the program's 800 x 600 units.
#include "tests/app/WindowsUp.h"
#include "tests/support/NamedChild.h"

#include "app/AtticWindow.h"
#include "app/EntranceWindow.h"
#include "app/GardenWindow.h"
#include "app/HouseWindow.h"
#include "app/Tavrio.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QLabel>

using tavrio::windows;

namespace {
QLabel* picture(QWidget* window, const QString& name) { return tavrio::test::namedChild<QLabel>(window, name); }
} // namespace

class LargeScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tavrio::test::cShellWindows> fx;

private slots:
    void init() { fx = std::make_unique<tavrio::test::cShellWindows>(); }
    void cleanup() { fx.reset(); }

    void windowsShowDoubleSizePicturesAtTheirUnitSize_data()
    {
        QTest::addColumn<int>("window"); // 0: the entrance itself
        QTest::addColumn<QSize>("units");
        QTest::newRow("entrance") << 0 << QSize(800, 600);
        QTest::newRow("house") << 8 << QSize(800, 600);
        QTest::newRow("attic") << 9 << QSize(800, 599);
        QTest::newRow("garden") << 11 << QSize(800, 600);
    }
    void windowsShowDoubleSizePicturesAtTheirUnitSize()
    {
        QFETCH(int, window);
        QFETCH(QSize, units);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        TForm1* entrance = windows().form1;
        entrance->show();
        // The count-down shows the intro picture first.
        QLabel* intro = picture(entrance, QStringLiteral("IntroBild"));
        QCOMPARE(intro->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(intro->size(), QSize(800, 600));
        for (int i = 0; i < 3; ++i)
            entrance->Timer1Timer();
        QWidget* shown = window == 8 ? static_cast<QWidget*>(windows().form8)
                         : window == 9 ? static_cast<QWidget*>(windows().form9)
                         : window == 11 ? static_cast<QWidget*>(windows().form11)
                                        : entrance;
        shown->show();
        QLabel* background = picture(shown, QStringLiteral("Image1"));
        QCOMPARE(background->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(background->pixmap().deviceIndependentSize().toSize(), units);
        QCOMPARE(background->size(), units);
    }
};

int main(int argc, char** argv)
{
    // Qt reads the factor when the application is made.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    LargeScreenTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "LargeScreenTest.moc"
