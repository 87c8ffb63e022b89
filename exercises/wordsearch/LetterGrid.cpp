#include "exercises/wordsearch/LetterGrid.h"

#include "exercises/wordsearch/WordSearchPuzzle.h"
#include "ui/Assets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

using tavrio::wordsearch::cWordSearch;
using tavrio::wordsearch::kCellPixels;
using tavrio::wordsearch::kSide;

cLetterGrid::cLetterGrid(QWidget* parent)
    : QWidget(parent)
    , image_(tavrio::pictureCanvas(QSize(320, 320)))
{
    setObjectName(QStringLiteral("feld"));
    setFixedSize(320, 320);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void cLetterGrid::drawCell(int column, int row, const QPixmap& picture)
{
    QPainter p(&image_);
    p.drawPixmap(kCellPixels * (column - 1), kCellPixels * (row - 1), picture);
}

void cLetterGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (hoverColumn_ > 0) {
        const QRect cell(kCellPixels * (hoverColumn_ - 1), kCellPixels * (hoverRow_ - 1), kCellPixels, kCellPixels);
        p.fillRect(cell, QColor(255, 200, 0, 90));
        p.setPen(QPen(QColor(230, 120, 0), 2));
        p.drawRect(cell.adjusted(1, 1, -1, -1));
    }
}

void cLetterGrid::track(QPoint pos)
{
    emit mouseMoved(pos.x(), pos.y());
    const auto cell = cWordSearch::cellAt(pos.x(), pos.y());
    if (cell.column != hoverColumn_ || cell.row != hoverRow_) {
        hoverColumn_ = cell.column;
        hoverRow_ = cell.row;
        update();
    }
}

void cLetterGrid::mouseMoveEvent(QMouseEvent* event) { track(event->position().toPoint()); }

void cLetterGrid::mousePressEvent(QMouseEvent* event)
{
    // The press position is the pointer position, even without a move first.
    track(event->position().toPoint());
}

void cLetterGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void cLetterGrid::leaveEvent(QEvent*)
{
    hoverColumn_ = hoverRow_ = 0;
    update();
}

void cLetterGrid::pointAtKeyCell()
{
    track(QPoint(kCellPixels * (keyColumn_ - 1) + kCellPixels / 2, kCellPixels * (keyRow_ - 1) + kCellPixels / 2));
}

void cLetterGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    pointAtKeyCell();
}

void cLetterGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: keyColumn_ = std::max(1, keyColumn_ - 1); break;
    case Qt::Key_Right: keyColumn_ = std::min(kSide, keyColumn_ + 1); break;
    case Qt::Key_Up: keyRow_ = std::max(1, keyRow_ - 1); break;
    case Qt::Key_Down: keyRow_ = std::min(kSide, keyRow_ + 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pointAtKeyCell();
        emit clicked();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    pointAtKeyCell();
    event->accept();
}
