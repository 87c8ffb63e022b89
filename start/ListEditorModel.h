#pragma once
// The rows of the list editor's grid (StringGrid1). Each row keeps the entry's
// Windows-1252 bytes as read, so a list that is loaded and saved unchanged is
// written back byte for byte; only the display converts. The bytes sit in one
// compact table, so even a list of empty entries takes a few times its file
// size in memory. The knowledge column
// is worked out when a cell is drawn, so a list of any length loads in time
// proportional to its size and draws only the visible rows.
//
// Columns: 0 mark ("X"), 1 original, 2 translation, 3 "vorhanden"/"-fehlt-",
// 4 knowledge text, 5 "Löschen", 6 the phonetic transcription (hidden).
#include "engine/FieldTable.h"
#include "engine/ListFile.h"

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

class cSession;

namespace tavrio {

// "k.Profil" without a session; else e.g. "Schwer/Mittel(20/45)": the
// difficulty and score of (original, translation), then of the reverse.
QString knowledgeText(const cSession* session, const std::string& original, const std::string& translation);

// The text as it will be stored: Windows-1252 bytes, characters the code page
// cannot hold as '?', line breaks as blanks (a field is one line of the file).
// `lossy` is set when a character had to become '?'.
std::string storableText(const QString& text, bool* lossy = nullptr);

class cListEditorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MarkColumn, OriginalColumn, TranslationColumn, PhoneticStateColumn, KnowledgeColumn,
                  DeleteColumn, PhoneticColumn, ColumnCount };

    struct Row {
        bool marked = true;
        std::string original;
        std::string translation;
        std::string phonetic;
    };

    // `session` gives the logged-in learner (may return null) for the
    // knowledge column.
    explicit cListEditorModel(std::function<const cSession*()> session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Edits the original or the translation; emits edited() when the stored
    // text changes.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Replaces all rows by the entries of a four-line list: marked unless the
    // mark line is exactly "0".
    void setEntries(const std::vector<cListEntry>& entries);
    // The same from the bytes of a four-line list file, read in place.
    void setList(std::string_view bytes);
    // The rows as four-line entries, mark "1" or "0".
    std::vector<cListEntry> entries() const;
    // The rows in the four-line layout, as FormatList4(entries()) writes them.
    std::string list4() const;
    Row row(int r) const;

    void toggleMark(int r);
    void deleteRow(int r);
    void appendRow(Row row);

signals:
    // A cell edit changed the stored text; `lossy` when some typed character
    // could not be kept as typed.
    void edited(bool lossy);

private:
    enum Field { Original, Translation, Phonetic };
    std::string field(int r, Field f) const { return std::string(rows_.field(std::size_t(r), f)); }

    std::function<const cSession*()> session_;
    cFieldTable rows_{3};
    std::vector<bool> marked_;
};

} // namespace tavrio
