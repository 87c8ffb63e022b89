#include "start/TickList.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tavrio {

cTickList::cTickList(QWidget* parent)
    : QListWidget(parent)
{
}

QListWidgetItem* cTickList::addRow(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    // Not user-checkable: the ticking is done here, so a click on the box
    // itself does not tick twice.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

void cTickList::toggle(QListWidgetItem* item)
{
    if (item)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void cTickList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        toggle(itemAt(event->position().toPoint()));
}

void cTickList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        toggle(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tavrio
