// tavrio-assets <runtime-dir>: paints every picture into <runtime-dir>,
// once at the size the windows name and, at the same time in a second
// thread, at twice that size.
#include "Drawing.h"
#include "Painters.h"

#include <QGuiApplication>
#include <cstdio>
#include <future>

namespace {
bool paintPictures(const QString& dir, int scale)
{
    using namespace tavrio::assets;
    setPictureScale(scale);
    return paintAll(dir, {paintShell, paintExercises, paintExchange, paintOptions, paintVocabularyEditor});
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavrio-assets <runtime-dir>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    std::future<bool> large = std::async(std::launch::async, paintPictures, dir, 2);
    bool ok = paintPictures(dir, 1);
    ok = large.get() && ok;
    ok = tavrio::assets::writeSampleLists(dir) && ok;
    ok = tavrio::assets::voicePhoneticSigns(dir) && ok;
    return ok ? 0 : 1;
}
