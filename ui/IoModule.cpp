#include "ui/IoModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavrio {
namespace {
struct cIoModule {
    QStringList dirs;
    bool tried = false;
    QLibrary library;
};

cIoModule& module()
{
    static cIoModule m;
    return m;
}

QStringList defaultDirs()
{
    QStringList dirs;
    if (QCoreApplication::instance())
        dirs << QCoreApplication::applicationDirPath();
#ifdef TAVRIO_IO_MODULE_DIR
    dirs << QStringLiteral(TAVRIO_IO_MODULE_DIR);
#endif
    return dirs;
}
} // namespace

void setIoModuleDirs(const QStringList& dirs)
{
    cIoModule& m = module();
    m.dirs = dirs;
    if (!m.library.isLoaded())
        m.tried = false;
}

QFunctionPointer ioModuleFunction(const char* name)
{
    cIoModule& m = module();
    if (!m.tried) {
        m.tried = true;
        for (const QString& dir : m.dirs.isEmpty() ? defaultDirs() : m.dirs) {
            m.library.setFileName(QDir(dir).filePath(QStringLiteral("tavrio_io")));
            if (m.library.load())
                break;
        }
    }
    return m.library.isLoaded() ? m.library.resolve(name) : nullptr;
}

} // namespace tavrio
