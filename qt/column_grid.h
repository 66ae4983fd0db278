// The column on squared paper, as in an exercise book: faint squares, one digit per cell, the
// corner and the lines under the products in ink, and the cells of the current answer
// highlighted. The cells grow and shrink with the widget. A screen reader reads it as a list
// of rows, one item per row of the column, worded by the core; Up and Down move through them.
#pragma once

#include "practice/grid.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

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

    // What to draw: the grid, its rows as spoken, and the answer line written under it ("" for
    // none yet).
    void show(const Grid& grid, const std::vector<std::string>& spokenRows,
              const QString& answerLine);

    const Grid& grid() const { return grid_; }
    const QString& answerLine() const { return answerLine_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    ColumnRow* row(int index) const;
    // The row a screen reader's user has moved to with Up and Down.
    int currentRow() const { return current_; }
    // The side of one square in pixels, and the place of a cell in the widget.
    int cellSize() const;
    QRect cellRect(int row, int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPoint origin() const;  // the top-left corner of cell (0, 0)
    int linesBelow() const; // squares under the column, the answer line's among them
    void setCurrentRow(int row);
    void sayCurrentRow();

    Grid grid_;
    QString answerLine_;
    std::vector<ColumnRow*> rows_;
    int current_ = 0;
};

} // namespace velmorand
