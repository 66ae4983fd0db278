// The column on squared paper, as in an exercise book: the shapes the practice core makes of
// the grid, painted in the practice window's colours on a paper of the level's size, its cells
// as large as the window's arrangement makes them. A screen reader reads it as a list of rows,
// one item per row of the column, worded by the core; Up and Down move through them.
#pragma once

#include "practice/column_shapes.h"
#include "practice/grid.h"
#include "window/practice_look.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QPainter;

namespace velmorand {

// One row of the column, as an item of the accessibility tree only.
class ColumnRow : public QObject {
public:
    ColumnRow(int index, QObject* parent) : QObject(parent), index_(index) {}

    int index() const { return index_; }
    const QString& spoken() const { return spoken_; }
    void setSpoken(const QString& spoken) { spoken_ = spoken; }

private:
    int index_;
    QString spoken_;
};

class ColumnPaper : public QWidget {
public:
    explicit ColumnPaper(QWidget* parent = nullptr);

    // The paper, in cells, and the side of a cell in pixels: the widget takes that size.
    void setPaper(PaperSize paper, int cellPixels);
    // What to draw: the grid and its rows as spoken.
    void show(const Grid& grid, const std::vector<std::string>& spokenRows);

    const Grid& grid() const { return grid_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    ColumnRow* row(int index) const;
    // The row a screen reader's user has moved to with Up and Down.
    int currentRow() const { return current_; }
    // The side of one square in pixels, and the place of a grid's cell in the widget.
    int cellSize() const { return cell_; }
    QRect cellRect(int row, int column) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintCurrentEdges(QPainter& painter, const std::vector<ColumnShape>& shapes,
                           const ColumnShape& cell) const;
    void setCurrentRow(int row);
    void sayCurrentRow();

    Grid grid_;
    PaperSize paper_;
    int cell_ = SmallestCellPixels;
    std::vector<ColumnRow*> rows_;
    int current_ = 0;
};

} // namespace velmorand
