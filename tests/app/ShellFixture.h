#pragma once
// A fresh working directory for window tests: the generated pictures linked
// in, QSettings in a temporary place, scripted seams installed.
#include "tests/support/ScriptedSeams.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

namespace tavrio::test {

class cShellFixture {
public:
    cShellFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
        const QDir work(dir_.filePath(QStringLiteral("work")));
        QDir().mkpath(work.path());
        const QString runtime = qEnvironmentVariable("TAVRIO_RUNTIME_DIR");
        for (const QString& sub : {QStringLiteral("BG"), QStringLiteral("Hilfe"), QStringLiteral("Images")})
            QFile::link(QDir(runtime).filePath(sub), work.filePath(sub));
        QDir::setCurrent(work.path());
        seams.install();
    }
    ~cShellFixture() { QDir::setCurrent(QDir::tempPath()); }

    QString path(const QString& name) const { return QDir::current().filePath(name); }

    static void writeBytes(const QString& name, const QByteArray& bytes)
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readBytes(const QString& name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A profile without records.
    static void writeProfile(const QByteArray& name)
    {
        writeBytes(QString::fromLatin1(name) + QStringLiteral(".pfl"), char(name.size()) + name);
    }
    // A four-line list whose entries are all marked.
    static void writeList(const QString& name, const QList<QPair<QByteArray, QByteArray>>& pairs)
    {
        QByteArray bytes;
        for (const auto& [a, b] : pairs)
            bytes += a + "\r\n" + b + "\r\n1\r\n\r\n";
        writeBytes(name + QStringLiteral(".vok"), bytes);
    }
    static void clearSettings() { QSettings(QStringLiteral("Quendel"), QStringLiteral("Tavrio")).clear(); }

    ScriptedSeams seams;

private:
    QTemporaryDir dir_;
};

} // namespace tavrio::test
