#pragma once
// The program's sound and network adapters live in a module of their own
// (tavrio_io, ui/io/) that is loaded on first use, so the shared libraries
// of Qt Multimedia and Qt Network are not loaded while the program starts.
#include <QtGlobal>
#include <QStringList>

namespace tavrio {

// The module's function `name`, loading the module on the first call; null
// when the module cannot be loaded (sounds then do not play and the
// exchange is unreachable) or has no such function.
QFunctionPointer ioModuleFunction(const char* name);

// Where the module is looked for; empty: the program's folder, then the
// build tree (the default). A change forgets a module not yet found.
void setIoModuleDirs(const QStringList& dirs);

} // namespace tavrio
