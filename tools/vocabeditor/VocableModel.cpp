#include "tools/vocabeditor/VocableModel.h"

#include "ui/Phonetic.h"
#include "ui/Text.h"

using tavrio::vocabeditor::cVocable;

namespace {
// A field shows at most this many bytes (a binary file can hold a "line" of
// megabytes); the model keeps all of them.
constexpr std::size_t kShownBytes = 200;

QString shown(std::string_view bytes, QString (*convert)(const std::string&))
{
    if (bytes.size() <= kShownBytes)
        return convert(std::string(bytes));
    return convert(std::string(bytes.substr(0, kShownBytes))) + QChar(0x2026);
}
} // namespace

cVocableModel::cVocableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int cVocableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.size());
}

int cVocableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

QVariant cVocableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::CheckStateRole && index.column() == Original)
        return checked_[row] ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const std::string_view bytes = table_.field(row, static_cast<std::size_t>(index.column()));
    return shown(bytes, index.column() == Phonetic ? tavrio::fromPhonetic : tavrio::fromAnsi);
}

bool cVocableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != Original || role != Qt::CheckStateRole)
        return false;
    checked_[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags cVocableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Original)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

cVocable cVocableModel::entry(int row) const
{
    const auto r = static_cast<std::size_t>(row);
    return {std::string(table_.field(r, Original)), std::string(table_.field(r, Translation)),
            std::string(table_.field(r, Phonetic)), checked_[r]};
}

void cVocableModel::append(const cVocable& v)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    table_.reserveMore(1, cFieldTable::RowBytes({v.original, v.translation, v.phonetic}));
    table_.push_back({v.original, v.translation, v.phonetic});
    checked_.push_back(v.checked);
    endInsertRows();
}

void cVocableModel::setTexts(int row, std::string_view original, std::string_view translation,
                             std::string_view phonetic)
{
    const auto r = static_cast<std::size_t>(row);
    table_.set(r, Original, original);
    table_.set(r, Translation, translation);
    table_.set(r, Phonetic, phonetic);
    emit dataChanged(index(row, 0), index(row, Columns - 1), {Qt::DisplayRole});
}

void cVocableModel::removeRows(const std::vector<int>& rows)
{
    // A few runs of rows are taken out one run at a time, so views keep their
    // place; many scattered rows are dropped in one pass over the table.
    std::vector<std::pair<int, int>> runs; // first, last
    for (const int row : rows) {
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.size() <= 16) {
        for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
            const auto [first, last] = *it;
            beginRemoveRows({}, first, last);
            table_.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1));
            checked_.erase(checked_.begin() + first, checked_.begin() + last + 1);
            endRemoveRows();
        }
        return;
    }
    beginResetModel();
    cFieldTable kept(Columns);
    std::vector<bool> keptChecks;
    auto next = rows.begin();
    for (std::size_t r = 0; r < table_.size(); ++r) {
        if (next != rows.end() && static_cast<std::size_t>(*next) == r) {
            ++next;
            continue;
        }
        const std::string_view o = table_.field(r, Original), t = table_.field(r, Translation),
                               p = table_.field(r, Phonetic);
        kept.reserveMore(1, cFieldTable::RowBytes({o, t, p}));
        kept.push_back({o, t, p});
        keptChecks.push_back(checked_[r]);
    }
    table_ = std::move(kept);
    checked_ = std::move(keptChecks);
    endResetModel();
}

void cVocableModel::load(std::string_view bytes)
{
    beginResetModel();
    table_.clear();
    checked_.clear();
    // The fields take little more than the file's bytes (its line ends pay
    // for the longer length prefixes), plus a length byte each field.
    const std::size_t entries = tavrio::vocabeditor::CountVocabulary(bytes);
    table_.reserveMore(entries, bytes.size() + 3 * entries + tavrio::vocabeditor::kNotFound.size());
    checked_.reserve(entries);
    tavrio::vocabeditor::ForEachVocable(
        bytes, [this](std::string_view o, std::string_view t, std::string_view p, bool checked) {
            table_.push_back({o, t, p});
            checked_.push_back(checked);
        });
    endResetModel();
}

std::string cVocableModel::format() const
{
    std::string out;
    out.reserve(table_.bufferBytes() + 6 * table_.size());
    for (std::size_t r = 0; r < table_.size(); ++r)
        tavrio::vocabeditor::AppendVocable(out, table_.field(r, Original), table_.field(r, Translation),
                                           table_.field(r, Phonetic), checked_[r]);
    return out;
}
