#include "start/ListProgressBars.h"

#include "engine/Files.h"
#include "transfer/ListProgress.h"

#include <QListWidget>
#include <QPainter>

namespace tavrio {

namespace {
// Counts of "Leicht", "Mittel", "Schwer" as a list of three ints.
constexpr int kProgressRole = Qt::UserRole + 7;
constexpr int kBarWidth = 150;
constexpr int kBarHeight = 16;
constexpr int kMargin = 8;
const QColor kColours[3] = {QColor(0x3c, 0xa0, 0x3c), QColor(0xf0, 0xc0, 0x28), QColor(0xd8, 0x44, 0x3c)};
} // namespace

void fillListProgress(QListWidget* list, const cSession* session, int fileRole)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        std::string bytes;
        const std::string name = item->data(fileRole).toByteArray().toStdString() + ".vok";
        if (!session || ReadFileLimited(name, bytes, MaxListBytes) != cReadResult::Ok) {
            item->setData(kProgressRole, QVariant());
            item->setToolTip(QString());
            continue;
        }
        const transfer::cListProgress p = transfer::ProgressOf(*session, bytes);
        item->setData(kProgressRole, QVariantList{p.easy, p.medium, p.hard});
        item->setToolTip(QStringLiteral("Leicht: %1, Mittel: %2, Schwer: %3").arg(p.easy).arg(p.medium).arg(p.hard));
    }
}

void cListProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariantList counts = index.data(kProgressRole).toList();
    if (counts.size() != 3) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The name keeps the room left of the bar.
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - kBarWidth - 2 * kMargin);
    QStyledItemDelegate::paint(painter, text, index);
    if (option.state & QStyle::State_Selected)
        painter->fillRect(QRect(text.rect.right() + 1, option.rect.top(), option.rect.right() - text.rect.right(),
                                option.rect.height()),
                          option.palette.highlight());

    const QRect bar(option.rect.right() - kMargin - kBarWidth, option.rect.center().y() - kBarHeight / 2, kBarWidth,
                    kBarHeight);
    const int total = counts[0].toInt() + counts[1].toInt() + counts[2].toInt();
    painter->save();
    QFont small = option.font;
    small.setPixelSize(12);
    small.setBold(true);
    painter->setFont(small);
    painter->fillRect(bar, QColor(0xe8, 0xe8, 0xe8));
    int x = bar.left();
    for (int k = 0; k < 3 && total > 0; ++k) {
        const int n = counts[k].toInt();
        // The last non-empty part takes the rounding rest, so the bar is full.
        int w = (k == 2 || (k == 1 && counts[2].toInt() == 0)) ? bar.right() + 1 - x : n * kBarWidth / total;
        if (n == 0)
            w = 0;
        const QRect part(x, bar.top(), w, bar.height());
        painter->fillRect(part, kColours[k]);
        if (w >= 18) {
            painter->setPen(k == 1 ? Qt::black : Qt::white);
            painter->drawText(part, Qt::AlignCenter, QString::number(n));
        }
        x += w;
    }
    if (total == 0) {
        painter->setPen(Qt::darkGray);
        painter->drawText(bar, Qt::AlignCenter, QStringLiteral("nichts zum Üben"));
    }
    painter->setPen(QColor(0x60, 0x60, 0x60));
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace tavrio
