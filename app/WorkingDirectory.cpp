#include "app/WorkingDirectory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace tavrio {

namespace {
bool hasPictures(const QString& dir) { return !dir.isEmpty() && QFileInfo(QDir(dir).filePath(QStringLiteral("BG"))).isDir(); }

// Copies under a temporary name, then renames over the target, so a broken
// copy never looks like a finished file.
bool copyFile(const QString& file, const QString& target)
{
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, partial))
        return false;
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(target).toStdString(), ec);
    if (ec)
        QFile::remove(partial);
    return !ec;
}
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
        ok = copyFile(file, target) && ok;
    }
    return ok;
}

bool refreshPictures(const QString& from, const QString& to)
{
    bool ok = true;
    for (const QString& folder : {QStringLiteral("BG"), QStringLiteral("Hilfe"), QStringLiteral("Images"),
                                  QStringLiteral("Sound")}) {
        const QDir source(QDir(from).filePath(folder));
        if (!source.exists())
            continue;
        QDirIterator it(source.path(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = QDir(to).filePath(folder + QLatin1Char('/') + source.relativeFilePath(file));
            const QFileInfo have(target);
            if (have.exists() && have.lastModified() >= QFileInfo(file).lastModified())
                continue;
            ok = copyFile(file, target) && ok;
        }
    }
    // Beside the program: pictures (the level editor's map) are refreshed
    // the same way; levels only arrive when missing, as the learner may
    // have saved over them in the level editor.
    const QDir root(from);
    for (const QString& name : root.entryList({QStringLiteral("*.bmp"), QStringLiteral("*@2x.png"), QStringLiteral("*.lvl")}, QDir::Files)) {
        const QString file = root.filePath(name);
        const QFileInfo have(QDir(to).filePath(name));
        const bool level = name.endsWith(QStringLiteral(".lvl"), Qt::CaseInsensitive);
        if (have.exists() && (level || have.lastModified() >= QFileInfo(file).lastModified()))
            continue;
        ok = copyFile(file, have.filePath()) && ok;
    }
    return ok;
}

QString chooseWorkingDirectory(const QString& programDir, const QString& dataDir)
{
    if (hasPictures(QDir::currentPath()))
        return QDir::currentPath();
    // The sample lists come only with the first start (a list the learner
    // deleted stays deleted); pictures of a newer build come every time.
    const QString runtime = findRuntimeDirectory(programDir);
    if (!runtime.isEmpty()) {
        if (!hasPictures(dataDir))
            populateDirectory(runtime, dataDir);
        else
            refreshPictures(runtime, dataDir);
    }
    if (QDir().mkpath(dataDir) && QDir::setCurrent(dataDir))
        return QDir::currentPath();
    return QDir::currentPath();
}

} // namespace tavrio
