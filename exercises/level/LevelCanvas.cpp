#include "exercises/level/LevelCanvas.h"

#include "exercises/level/LevelFile.h"
#include "ui/Assets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace tavrio::level;

cLevelCanvas::cLevelCanvas(QWidget* parent)
    : QWidget(parent)
    , image_(tavrio::pictureCanvas(QSize(kColumns * kCellPixels, kRows * kCellPixels)))
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(kColumns * kCellPixels, kRows * kCellPixels);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void cLevelCanvas::setBackground(const QPixmap& picture)
{
    image_.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter p(&image_);
        p.drawPixmap(0, 0, picture);
    }
}

void cLevelCanvas::drawCell(int column, int row, const QPixmap& picture)
{
    QPainter p(&image_);
    p.drawPixmap(kCellPixels * (column - 1) + 2, kCellPixels * (row - 1) + 2, picture);
}

void cLevelCanvas::cellAt(QPoint pos, int& column, int& row)
{
    column = row = 0;
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kColumns * kCellPixels || pos.y() >= kRows * kCellPixels)
        return;
    column = pos.x() / kCellPixels + 1;
    row = pos.y() / kCellPixels + 1;
}

void cLevelCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
    // The cursor shows while the map is its window's focus widget, also
    // when a window manager has not activated the window itself.
    if (hasFocus() || window()->focusWidget() == this) {
        const QRect cell(kCellPixels * (cursorColumn_ - 1), kCellPixels * (cursorRow_ - 1), kCellPixels,
                         kCellPixels);
        p.setPen(QPen(QColor(230, 120, 0), 2));
        p.drawRect(cell.adjusted(1, 1, -1, -1));
    }
}

// Accepting the press makes this picture receive the release.
void cLevelCanvas::mousePressEvent(QMouseEvent* event) { event->accept(); }

void cLevelCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    int column = 0;
    int row = 0;
    cellAt(pos, column, row);
    if (editable(column, row)) {
        cursorColumn_ = column;
        cursorRow_ = row;
    }
    emit clickedAt(pos);
    update();
}

void cLevelCanvas::keyPressEvent(QKeyEvent* event)
{
    int column = cursorColumn_;
    int row = cursorRow_;
    switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clickedAt(QPoint(kCellPixels * (cursorColumn_ - 1) + kCellPixels / 2,
                              kCellPixels * (cursorRow_ - 1) + kCellPixels / 2));
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (editable(column, row)) {
        cursorColumn_ = column;
        cursorRow_ = row;
        update();
    }
}

void cLevelCanvas::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void cLevelCanvas::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
