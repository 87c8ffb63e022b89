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
    const Row& r = rows_[std::size_t(index.row())];
    switch (index.column()) {
    case MarkColumn:
        return r.marked ? QStringLiteral("X") : QString();
    case OriginalColumn:
        return fromAnsi(r.original);
    case TranslationColumn:
        return fromAnsi(r.translation);
    case PhoneticStateColumn:
        return r.phonetic.empty() ? QStringLiteral("-fehlt-") : QStringLiteral("vorhanden");
    case KnowledgeColumn:
        return knowledgeText(session_ ? session_() : nullptr, r.original, r.translation);
    case DeleteColumn:
        return QStringLiteral("Löschen");
    case PhoneticColumn:
        return fromPhonetic(r.phonetic);
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
    Row& r = rows_[std::size_t(index.row())];
    std::string* field = index.column() == OriginalColumn      ? &r.original
                         : index.column() == TranslationColumn ? &r.translation
                                                               : nullptr;
    if (!field)
        return false;
    bool lossy = false;
    std::string bytes = storableText(value.toString(), &lossy);
    if (bytes == *field)
        return true;
    *field = std::move(bytes);
    emit dataChanged(this->index(index.row(), OriginalColumn), this->index(index.row(), KnowledgeColumn));
    emit edited(lossy);
    return true;
}

void cListEditorModel::setEntries(const std::vector<cListEntry>& entries)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(entries.size());
    for (const cListEntry& e : entries)
        rows_.push_back({e.mark != "0", e.original, e.translation, e.phonetic});
    endResetModel();
}

std::vector<cListEntry> cListEditorModel::entries() const
{
    std::vector<cListEntry> out;
    out.reserve(rows_.size());
    for (const Row& r : rows_)
        out.push_back({r.original, r.translation, r.marked ? "1" : "0", r.phonetic});
    return out;
}

void cListEditorModel::toggleMark(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    rows_[std::size_t(r)].marked = !rows_[std::size_t(r)].marked;
    emit dataChanged(index(r, MarkColumn), index(r, MarkColumn));
}

void cListEditorModel::deleteRow(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    beginRemoveRows({}, r, r);
    rows_.erase(rows_.begin() + r);
    endRemoveRows();
}

void cListEditorModel::appendRow(Row row)
{
    const int r = rowCount();
    beginInsertRows({}, r, r);
    rows_.push_back(std::move(row));
    endInsertRows();
}

} // namespace tavrio
