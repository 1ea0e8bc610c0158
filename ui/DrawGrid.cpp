#include "ui/DrawGrid.h"

#include <QPaintEvent>
#include <QPainter>
#include <stdexcept>
#include <string>

#include "ui/Colors.h"

namespace orvandel {

TDrawGrid::TDrawGrid(int colCount, int rowCount, int defaultColWidth, int defaultRowHeight,
                     QWidget* parent)
    : QWidget(parent),
      FColCount(colCount),
      FRowCount(rowCount),
      FColWidth(defaultColWidth),
      FRowHeight(defaultRowHeight),
      FCells(static_cast<size_t>(colCount) * static_cast<size_t>(rowCount)),
      FBackground(FormBackground) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TDrawGrid::Index(int col, int row) const {
    if (col < 0 || col >= FColCount || row < 0 || row >= FRowCount) {
        throw std::out_of_range("TDrawGrid: cell (" + std::to_string(col) + ", " +
                                std::to_string(row) + ") outside the grid");
    }
    return row * FColCount + col;
}

const QString& TDrawGrid::Cell(int col, int row) const {
    return FCells[Index(col, row)];
}

void TDrawGrid::SetCell(int col, int row, const QString& text) {
    FCells[Index(col, row)] = text;
}

QRect TDrawGrid::CellRect(int col, int row) const {
    return QRect(col * (FColWidth + GridLineWidth), row * (FRowHeight + GridLineWidth), FColWidth,
                 FRowHeight);
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Paint(painter, event->rect());
}

void TDrawGrid::Paint(QPainter& painter, const QRect& area) const {
    painter.fillRect(rect(), FBackground);
    for (int row = 0; row < FRowCount; ++row) {
        for (int col = 0; col < FColCount; ++col) {
            const QRect cell = CellRect(col, row);
            if (!cell.intersects(area) || !FDrawCell) {
                continue;
            }
            painter.save();
            painter.setClipRect(cell, Qt::IntersectClip);
            FDrawCell(painter, col, row, cell);
            painter.restore();
        }
    }
    // The lines to the right of every column and below every row, one grid pixel wide also
    // when a printer scales them.
    painter.setPen(QPen(GridLineColor, GridLineWidth));
    for (int col = 0; col < FColCount; ++col) {
        const int x = CellRect(col, 0).right() + 1;
        painter.drawLine(x, 0, x, height() - 1);
    }
    for (int row = 0; row < FRowCount; ++row) {
        const int y = CellRect(0, row).bottom() + 1;
        painter.drawLine(0, y, width() - 1, y);
    }
}

}  // namespace orvandel
