#pragma once
// The check list of the list selection page: a click anywhere on a row, or
// Space, ticks or unticks it, once.
#include <QListWidget>

namespace tavrio {

class cTickList : public QListWidget {
    Q_OBJECT
public:
    explicit cTickList(QWidget* parent = nullptr);
    // Adds an unticked row.
    QListWidgetItem* addRow(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static void toggle(QListWidgetItem* item);
};

} // namespace tavrio
