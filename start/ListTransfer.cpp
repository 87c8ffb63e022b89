#include "start/ListTransfer.h"

#include "engine/Files.h"
#include "transfer/ListImport.h"
#include "ui/Phonetic.h"
#include "ui/Seams.h"
#include "ui/Text.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <unordered_map>

namespace tavrio {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string ipaOf(const std::string& bytes)
{
    QString shown = fromPhonetic(bytes);
    shown.remove(QChar(kPhoneticBase));  // the dotted circle only carries a lone mark on screen
    return shown.toStdString();
}

std::optional<std::string> bytesOfIpa(std::string_view ipa)
{
    // The first byte of each glyph wins where two bytes share one (the weak vowel).
    static const std::unordered_map<char16_t, unsigned char> reverse = [] {
        std::unordered_map<char16_t, unsigned char> m;
        for (int b = 255; b >= 1; --b)
            if (phoneticGlyph(static_cast<unsigned char>(b)) != kPhoneticPlaceholder)
                m[phoneticGlyph(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        return m;
    }();
    const QString text = QString::fromUtf8(ipa.data(), qsizetype(ipa.size()));
    std::string bytes;
    for (QChar c : text) {
        if (c == QChar(kPhoneticBase))
            continue;
        const auto it = reverse.find(c.unicode());
        if (it == reverse.end())
            return std::nullopt;
        bytes += static_cast<char>(it->second);
    }
    if (bytes.empty())
        return std::nullopt;
    return bytes;
}

QPushButton* makeButton(const QString& caption, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

const transfer::cPhoneticCodec& phoneticCodec()
{
    static const transfer::cPhoneticCodec codec{ipaOf, bytesOfIpa};
    return codec;
}

cListTransfer::cListTransfer(QWidget* page, const QRect& importButton, const QRect& exportButton, cPageAccess access)
    : QObject(page)
    , page_(page)
    , access_(std::move(access))
{
    import_ = makeButton(QStringLiteral("Importieren …"), "ImportButton", importButton, page);
    import_->setToolTip(QStringLiteral("Eine Liste aus einer Tabelle (CSV), aus Anki, Quizlet oder KVTML übernehmen"));
    export_ = makeButton(QStringLiteral("Exportieren …"), "ExportButton", exportButton, page);
    export_->setToolTip(QStringLiteral("Die Liste als Tabelle (CSV) für Tabellenprogramme speichern"));
    connect(import_, &QPushButton::clicked, this, &cListTransfer::ImportClick);
    connect(export_, &QPushButton::clicked, this, &cListTransfer::ExportClick);
}

void cListTransfer::ImportClick()
{
    const QString path = seams().files->openFileName(
        QStringLiteral("Vokabelliste importieren"), QString(),
        QStringLiteral("Vokabellisten (*.csv *.txt *.tsv *.kvtml *.xml);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.size() > qint64(transfer::kMaxImportBytes)) {
        showMessage(QStringLiteral("Die Datei ist zu groß zum Importieren (höchstens 16 MB)."));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("Die Datei konnte nicht gelesen werden."));
        return;
    }
    // A large file takes a moment; the pointer says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray bytes = file.read(qint64(transfer::kMaxImportBytes) + 1);
    const transfer::cImportResult result =
        transfer::ImportList(std::string_view(bytes.constData(), std::size_t(bytes.size())), phoneticCodec());
    QApplication::restoreOverrideCursor();
    if (!result.error.empty()) {
        showMessage(fromUtf8(result.error));
        return;
    }
    QString shownName = QFileInfo(path).completeBaseName().trimmed();
    if (shownName.isEmpty())
        shownName = QStringLiteral("Importierte Liste");
    const std::string name = toAnsi(shownName);
    if (fromAnsi(name) != shownName) {
        showMessage(QStringLiteral("Der Name \"%1\" enthält Zeichen, die Tavrio nicht in Dateinamen schreiben kann. "
                                   "Bitte benenne die Datei um und importiere sie dann.")
                        .arg(shownName));
        return;
    }
    if (FileExists(name + ".vok")
        && !askYesNo(QStringLiteral("Die Liste \"%1\" gibt es schon. Ersetzen?").arg(shownName), cDefaultAnswer::No)) {
        return;
    }
    if (!WriteFileAtomic(name + ".vok", FormatList4(result.entries))) {
        showMessage(QStringLiteral("Die Liste \"%1.vok\" konnte nicht gespeichert werden.").arg(shownName));
        return;
    }
    showMessage(fromUtf8(transfer::ImportSummary(result)));
    access_.show(name);
}

void cListTransfer::ExportClick()
{
    std::string name;
    std::vector<cListEntry> rows;
    if (!access_.current(name, rows)) {
        showMessage(QStringLiteral("Wähle zuerst eine Liste aus."));
        return;
    }
    const QString path = seams().files->saveFileName(QStringLiteral("Vokabelliste exportieren"),
                                                     fromAnsi(name) + QStringLiteral(".csv"),
                                                     QStringLiteral("Tabelle (*.csv)"));
    if (path.isEmpty())
        return;
    const std::string bytes = transfer::ExportList(rows, phoneticCodec());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())
        || !out.commit()) {
        showMessage(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QFileInfo(path).fileName()));
        return;
    }
    showMessage(QStringLiteral("%1 Einträge exportiert.").arg(rows.size()));
}

} // namespace tavrio
