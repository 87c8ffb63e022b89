// tavrio-assets <runtime-dir>: paints every picture into <runtime-dir>.
#include "Painters.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavrio-assets <runtime-dir>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = tavrio::assets::paintShell(dir);
    ok = tavrio::assets::paintExercises(dir) && ok;
    ok = tavrio::assets::paintExchange(dir) && ok;
    ok = tavrio::assets::paintOptions(dir) && ok;
    ok = tavrio::assets::voicePhoneticSigns(dir) && ok;
    ok = tavrio::assets::paintVocabularyEditor(dir) && ok;
    return ok ? 0 : 1;
}
