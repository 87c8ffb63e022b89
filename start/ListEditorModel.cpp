#include "start/ListEditorModel.h"

#include "engine/Session.h"
#include "ui/Phonetic.h"
#include "ui/Text.h"

namespace tavrio {

namespace {
QString difficultyWord(int difficulty)
{
    switch (difficulty) {
    case 0:
        return QStringLiteral("Leicht");
    case 1:
        return QStringLiteral("Mittel");
    default:
        return QStringLiteral("Schwer");
    }
}
} // namespace

QString knowledgeText(const cSession* session, const std::string& original, const std::string& translation)
{
    if (!session)
        return QStringLiteral("k.Profil");
    return difficultyWord(session->GetDifficulty(original, translation)) + QLatin1Char('/')
        + difficultyWord(session->GetDifficulty(translation, original)) + QLatin1Char('(')
        + QString::number(session->GetScore(original, translation)) + QLatin1Char('/')
        + QString::number(session->GetScore(translation, original)) + QLatin1Char(')');
}

std::string storableText(const QString& text, bool* lossy)
{
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::string bytes = toAnsi(oneLine);
    if (lossy)
        *lossy = fromAnsi(bytes) != oneLine;
    return bytes;
}

cListEditorModel::cListEditorModel(std::function<const cSession*()> session, QObject* parent)
    : QAbstractTableModel(parent), session_(std::move(session))
{
}

int cListEditorModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int cListEditorModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant cListEditorModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int r = index.row();
    switch (index.column()) {
    case MarkColumn:
        return marked_[std::size_t(r)] ? QStringLiteral("X") : QString();
    case OriginalColumn:
        return fromAnsi(field(r, Original));
    case TranslationColumn:
        return fromAnsi(field(r, Translation));
    case PhoneticStateColumn:
        return rows_.field(std::size_t(r), Phonetic).empty() ? QStringLiteral("-fehlt-") : QStringLiteral("vorhanden");
    case KnowledgeColumn:
        return knowledgeText(session_ ? session_() : nullptr, field(r, Original), field(r, Translation));
    case DeleteColumn:
        return QStringLiteral("Löschen");
    case PhoneticColumn:
        return fromPhonetic(field(r, Phonetic));
    default:
        return {};
    }
}

QVariant cListEditorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OriginalColumn:
        return QStringLiteral("Original");
    case TranslationColumn:
        return QStringLiteral("Übersetzung");
    case PhoneticStateColumn:
        return QStringLiteral("Lautschrift");
    case KnowledgeColumn:
        return QStringLiteral("Kann ich (Hin/Rück)?");
    default:
        return QString();
    }
}

Qt::ItemFlags cListEditorModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == OriginalColumn || index.column() == TranslationColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool cListEditorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    if (index.column() != OriginalColumn && index.column() != TranslationColumn)
        return false;
    const Field f = index.column() == OriginalColumn ? Original : Translation;
    bool lossy = false;
    const std::string bytes = storableText(value.toString(), &lossy);
    if (bytes == rows_.field(std::size_t(index.row()), f))
        return true;
    rows_.set(std::size_t(index.row()), f, bytes);
    emit dataChanged(this->index(index.row(), OriginalColumn), this->index(index.row(), KnowledgeColumn));
    emit edited(lossy);
    return true;
}

void cListEditorModel::setEntries(const std::vector<cListEntry>& entries)
{
    beginResetModel();
    rows_.clear();
    marked_.clear();
    for (const cListEntry& e : entries) {
        rows_.push_back({e.original, e.translation, e.phonetic});
        marked_.push_back(e.mark != "0");
    }
    endResetModel();
}

void cListEditorModel::setList(std::string_view bytes)
{
    beginResetModel();
    rows_ = cFieldTable(3);
    marked_.clear();
    // Counted first, so the table is sized once.
    std::size_t count = 0;
    std::size_t rowBytes = 0;
    ForEachList4(bytes, [&](std::string_view o, std::string_view t, std::string_view, std::string_view p) {
        ++count;
        rowBytes += cFieldTable::RowBytes({o, t, p});
    });
    rows_.reserveMore(count, rowBytes);
    marked_.reserve(count);
    ForEachList4(bytes, [this](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        rows_.push_back({o, t, p});
        marked_.push_back(m != "0");
    });
    endResetModel();
}

std::vector<cListEntry> cListEditorModel::entries() const
{
    std::vector<cListEntry> out;
    out.reserve(rows_.size());
    for (int r = 0; r < rowCount(); ++r)
        out.push_back({field(r, Original), field(r, Translation), marked_[std::size_t(r)] ? "1" : "0",
                       field(r, Phonetic)});
    return out;
}

std::string cListEditorModel::list4() const
{
    std::string out;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        AppendList4Entry(out, rows_.field(r, Original), rows_.field(r, Translation), marked_[r] ? "1" : "0",
                         rows_.field(r, Phonetic));
    return out;
}

cListEditorModel::Row cListEditorModel::row(int r) const
{
    return {marked_[std::size_t(r)], field(r, Original), field(r, Translation), field(r, Phonetic)};
}

void cListEditorModel::toggleMark(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    marked_[std::size_t(r)] = !marked_[std::size_t(r)];
    emit dataChanged(index(r, MarkColumn), index(r, MarkColumn));
}

void cListEditorModel::deleteRow(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    beginRemoveRows({}, r, r);
    rows_.erase(std::size_t(r));
    marked_.erase(marked_.begin() + r);
    endRemoveRows();
}

void cListEditorModel::appendRow(Row row)
{
    const int r = rowCount();
    beginInsertRows({}, r, r);
    rows_.push_back({row.original, row.translation, row.phonetic});
    marked_.push_back(row.marked);
    endInsertRows();
}

} // namespace tavrio
