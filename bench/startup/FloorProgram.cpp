// The floor for start-up figures: a bare Qt Widgets program that shows one
// full-screen label and nothing else. startup.sh times it beside the
// program, so the ratio says what the program's own windows cost.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tavrio"));
    label.setWindowTitle(QStringLiteral("Tavrio"));
    label.setAlignment(Qt::AlignCenter);
    label.showFullScreen();
    return app.exec();
}
