#pragma once
// The vocabulary editor's entries as a table model: column 0 the original
// (checkable: the check is the mark), column 1 the translation, column 2 the
// transcription. The bytes of all entries live in one cFieldTable and the
// checks in one bit each, so a list takes a few bytes more than its file
// however many entries it has; a field's text is made only when a view
// shows it, and shows at most 200 characters.
#include "engine/FieldTable.h"
#include "tools/vocabeditor/VocabularyFile.h"

#include <QAbstractTableModel>
#include <string>
#include <string_view>
#include <vector>

class cVocableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Original, Translation, Phonetic, Columns };

    explicit cVocableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    tavrio::vocabeditor::cVocable entry(int row) const;
    void append(const tavrio::vocabeditor::cVocable& v);
    // New texts for a row; its check stays.
    void setTexts(int row, std::string_view original, std::string_view translation, std::string_view phonetic);
    // Removes the rows (ascending, no repeats).
    void removeRows(const std::vector<int>& rows);

    // Replaces every entry with those of a file in the three-line layout.
    void load(std::string_view bytes);
    // The entries in the three-line layout.
    std::string format() const;

private:
    cFieldTable table_{Columns};
    std::vector<bool> checked_;
};
