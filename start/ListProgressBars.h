#pragma once
// Each list's progress at a glance on the list selection page: after the
// list's name a small bar in three colours (green "Leicht", yellow "Mittel",
// red "Schwer") with the number of marked words of each kind, for the
// logged-in learner.
#include <QStyledItemDelegate>

class QListWidget;
class cSession;

namespace tavrio {

// Reads every list of the check list (the file name bytes without ".vok" in
// `fileRole`) and stores its counts in the rows; without a session the rows
// show no bar.
void fillListProgress(QListWidget* list, const cSession* session, int fileRole);

class cListProgressDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tavrio
