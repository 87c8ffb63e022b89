#include "app/WorkingDirectory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tavrio {

namespace {
bool hasPictures(const QString& dir) { return !dir.isEmpty() && QFileInfo(QDir(dir).filePath(QStringLiteral("BG"))).isDir(); }
} // namespace

QStringList runtimeCandidates(const QString& programDir)
{
    QStringList dirs;
    const QString env = qEnvironmentVariable("TAVRIO_RUNTIME_DIR");
    if (!env.isEmpty())
        dirs << env;
    const QDir prog(programDir);
    dirs << prog.filePath(QStringLiteral("runtime")) << prog.filePath(QStringLiteral("../runtime"))
         << prog.filePath(QStringLiteral("../share/tavrio"));
#ifdef TAVRIO_BUILD_RUNTIME_DIR
    dirs << QStringLiteral(TAVRIO_BUILD_RUNTIME_DIR);
#endif
    return dirs;
}

QString findRuntimeDirectory(const QString& programDir)
{
    for (const QString& d : runtimeCandidates(programDir))
        if (hasPictures(d))
            return QDir(d).absolutePath();
    return {};
}

bool populateDirectory(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        if (QFileInfo::exists(target))
            continue;
        // Copy under a temporary name, then rename, so a broken copy never
        // looks like a finished file.
        const QString partial = target + QStringLiteral(".part");
        QFile::remove(partial);
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && QFile::copy(file, partial)
             && QFile::rename(partial, target) && ok;
    }
    return ok;
}

QString chooseWorkingDirectory(const QString& programDir, const QString& dataDir)
{
    if (hasPictures(QDir::currentPath()))
        return QDir::currentPath();
    if (!hasPictures(dataDir)) {
        const QString runtime = findRuntimeDirectory(programDir);
        if (!runtime.isEmpty())
            populateDirectory(runtime, dataDir);
    }
    if (QDir().mkpath(dataDir) && QDir::setCurrent(dataDir))
        return QDir::currentPath();
    return QDir::currentPath();
}

} // namespace tavrio
