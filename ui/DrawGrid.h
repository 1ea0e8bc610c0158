#pragma once
// A grid of fixed-size cells whose every cell is painted by a handler. It stores the cells'
// texts and draws its own 1-pixel lines; it computes nothing.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace orvandel {

class TDrawGrid : public QWidget {
    Q_OBJECT
  public:
    // Paints one cell on `painter`, clipped to `rect` (grid pixels).
    using DrawCellHandler =
        std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;

    TDrawGrid(int colCount, int rowCount, int defaultColWidth, int defaultRowHeight,
              QWidget* parent = nullptr);

    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    int DefaultColWidth() const { return FColWidth; }    // pixels, without the grid line
    int DefaultRowHeight() const { return FRowHeight; }  // pixels, without the grid line
    static constexpr int GridLineWidth = 1;

    // Texts by cell. std::out_of_range for a cell outside the grid.
    const QString& Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // The cell's rectangle: cells follow each other with one grid line between them.
    QRect CellRect(int col, int row) const;

    void SetDrawCellHandler(DrawCellHandler handler) { FDrawCell = std::move(handler); }
    // Paints what the grid shows on `painter`, in grid pixels: the background, every cell
    // that meets `area` through the handler, then the grid lines. The window's paint event
    // and the printed week both draw through it.
    void Paint(QPainter& painter, const QRect& area) const;
    void SetBackground(const QColor& color) { FBackground = color; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int Index(int col, int row) const;

    int FColCount, FRowCount, FColWidth, FRowHeight;
    std::vector<QString> FCells;
    DrawCellHandler FDrawCell;
    QColor FBackground;
};

}  // namespace orvandel
