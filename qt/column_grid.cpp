#include "column_grid.h"

#include "widget_helpers.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace velmorand {

namespace {

class AccessibleColumnRow;

// The column is a list to a screen reader: its items are the rows, as the core words them.
class AccessibleColumn : public QAccessibleWidget {
public:
    explicit AccessibleColumn(ColumnPaper* grid) : QAccessibleWidget(grid, QAccessible::List) {}

    int childCount() const override { return grid()->rowCount(); }
    QAccessibleInterface* child(int index) const override {
        ColumnRow* row = grid()->row(index);
        return row ? QAccessible::queryAccessibleInterface(row) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = child ? dynamic_cast<ColumnRow*>(child->object()) : nullptr;
        return row && row->parent() == grid() ? row->index() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? child(grid()->currentRow()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* row = child(i); row && row->rect().contains(x, y))
                return row;
        return nullptr;
    }

private:
    ColumnPaper* grid() const { return static_cast<ColumnPaper*>(widget()); }
};

class AccessibleColumnRow : public QAccessibleObject {
public:
    explicit AccessibleColumnRow(ColumnRow* row) : QAccessibleObject(row) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(row()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? row()->spoken() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.readOnly = true;
        const bool current = grid()->currentRow() == row()->index();
        state.selected = current;
        state.focused = current && grid()->hasFocus();
        return state;
    }
    // The row across the whole column, on the screen.
    QRect rect() const override {
        const Grid& g = grid()->grid();
        const QRect first = grid()->cellRect(row()->index(), 0);
        const QRect last = grid()->cellRect(row()->index(), std::max(g.Columns, 1) - 1);
        const QRect local = first.united(last) & grid()->rect();
        return local.isEmpty() ? QRect() : local.translated(grid()->mapToGlobal(QPoint(0, 0)));
    }

private:
    ColumnRow* row() const { return static_cast<ColumnRow*>(object()); }
    ColumnPaper* grid() const { return static_cast<ColumnPaper*>(row()->parent()); }
};

// A shape's place in pixels, its edges rounded to whole pixels.
QRect PixelsOf(const ColumnShape& shape, int cell) {
    const auto left = static_cast<int>(std::lround(shape.Left * cell));
    const auto top = static_cast<int>(std::lround(shape.Top * cell));
    return {left, top, static_cast<int>(std::lround((shape.Left + shape.Width) * cell)) - left,
            static_cast<int>(std::lround((shape.Top + shape.Height) * cell)) - top};
}

// A line or a minus: never thinner than the cell's stroke, thickened about its middle.
QRect StrokeOf(const ColumnShape& shape, int cell) {
    QRect place = PixelsOf(shape, cell);
    const int stroke = StrokePixels(cell);
    const auto thick = [stroke](double middle) {
        return static_cast<int>(std::lround(middle - stroke / 2.0));
    };
    if (place.width() < stroke)
        place = {thick((shape.Left + shape.Width / 2) * cell), place.top(), stroke, place.height()};
    if (place.height() < stroke)
        place = {place.left(), thick((shape.Top + shape.Height / 2) * cell), place.width(), stroke};
    return place;
}

bool IsCurrentAt(const std::vector<ColumnShape>& shapes, double left, double top) {
    return std::any_of(shapes.begin(), shapes.end(), [&](const ColumnShape& shape) {
        return shape.Kind == ShapeKind::Current && shape.Left == left && shape.Top == top;
    });
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* row = dynamic_cast<ColumnRow*>(object))
        return new AccessibleColumnRow(row);
    if (auto* grid = dynamic_cast<ColumnPaper*>(object))
        return new AccessibleColumn(grid);
    return nullptr;
}

void InstallColumnAccessibility() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

} // namespace

ColumnPaper::ColumnPaper(QWidget* parent) : QWidget(parent) {
    InstallColumnAccessibility();
    setFocusPolicy(Qt::StrongFocus);
}

ColumnRow* ColumnPaper::row(int index) const {
    return index >= 0 && index < rowCount() ? rows_[static_cast<std::size_t>(index)] : nullptr;
}

void ColumnPaper::setPaper(PaperSize paper, int cellPixels) {
    paper_ = paper;
    cell_ = cellPixels;
    updateGeometry();
    update();
}

void ColumnPaper::show(const Grid& grid, const std::vector<std::string>& spokenRows) {
    grid_ = grid;
    // One item per spoken row: the rows that are new appear in the tree, those gone leave it,
    // and a row whose words changed says so.
    const auto count = static_cast<int>(spokenRows.size());
    while (rowCount() > count) {
        ColumnRow* gone = rows_.back();
        rows_.pop_back();
        QAccessibleEvent destroyed(gone, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
        delete gone;
    }
    for (int i = 0; i < count; ++i) {
        const QString spoken = QString::fromStdString(spokenRows[static_cast<std::size_t>(i)]);
        if (i == rowCount()) {
            auto* added = new ColumnRow(i, this);
            added->setSpoken(spoken);
            rows_.push_back(added);
            QAccessibleEvent created(added, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&created);
        } else if (rows_[static_cast<std::size_t>(i)]->spoken() != spoken) {
            rows_[static_cast<std::size_t>(i)]->setSpoken(spoken);
            QAccessibleEvent renamed(rows_[static_cast<std::size_t>(i)], QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
    current_ = std::clamp(current_, 0, std::max(count - 1, 0));
    update();
}

// The grid stands on the paper with a margin round it, as the core's shapes have it.
QRect ColumnPaper::cellRect(int row, int column) const {
    const PaperSize around = PaperFor(grid_);
    const int left = (around.Columns - grid_.Columns) / 2;
    const int top = (around.Rows - grid_.Rows) / 2;
    return {(column + left) * cell_, (row + top) * cell_, cell_, cell_};
}

QSize ColumnPaper::sizeHint() const { return {paper_.Columns * cell_, paper_.Rows * cell_}; }

void ColumnPaper::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(PracticeColours.Paper));
    // A ruling along every edge of every cell, the paper's last ones just inside the widget.
    painter.setPen(ColourOf(PracticeColours.Squares));
    for (int column = 0; column <= paper_.Columns; ++column) {
        const int x = std::min(column * cell_, width() - 1);
        painter.drawLine(x, 0, x, height() - 1);
    }
    for (int row = 0; row <= paper_.Rows; ++row) {
        const int y = std::min(row * cell_, height() - 1);
        painter.drawLine(0, y, width() - 1, y);
    }

    QFont digits = font();
    digits.setPixelSize(std::max(1, static_cast<int>(std::lround(cell_ * DigitShareOfCell))));
    digits.setBold(false);
    painter.setFont(digits);
    painter.setPen(ColourOf(PracticeColours.Ink));
    const std::vector<ColumnShape> shapes = ColumnShapes(grid_);
    for (const ColumnShape& shape : shapes) {
        switch (shape.Kind) {
        case ShapeKind::Lit:
            painter.fillRect(PixelsOf(shape, cell_), ColourOf(PracticeColours.LitFill));
            break;
        case ShapeKind::Current:
            painter.fillRect(PixelsOf(shape, cell_), ColourOf(PracticeColours.CurrentFill));
            paintCurrentEdges(painter, shapes, shape);
            break;
        case ShapeKind::Digit:
            painter.drawText(PixelsOf(shape, cell_), Qt::AlignCenter,
                             QString(QLatin1Char(shape.Digit)));
            break;
        case ShapeKind::Placeholder:
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ColourOf(PracticeColours.Placeholder));
            painter.drawEllipse(QRectF(shape.Left * cell_, shape.Top * cell_, shape.Width * cell_,
                                       shape.Height * cell_));
            painter.restore();
            break;
        case ShapeKind::Line:
            painter.fillRect(StrokeOf(shape, cell_), ColourOf(PracticeColours.Lines));
            break;
        case ShapeKind::Minus:
            painter.fillRect(StrokeOf(shape, cell_), ColourOf(PracticeColours.Minus));
            break;
        }
    }

    // The keyboard's place: the row a screen reader is reading, framed.
    if (hasFocus() && rowCount() > 0) {
        const QRect row =
            cellRect(current_, 0).united(cellRect(current_, std::max(grid_.Columns, 1) - 1));
        painter.setPen(
            QPen(palette().color(QPalette::Highlight), StrokePixels(cell_), Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row);
    }
}

// One frame round the cells the answer goes into: the edges of a current cell that no other
// current cell shares, inside it.
void ColumnPaper::paintCurrentEdges(QPainter& painter, const std::vector<ColumnShape>& shapes,
                                    const ColumnShape& cell) const {
    const QRect place = PixelsOf(cell, cell_);
    const int stroke = StrokePixels(cell_);
    const QColor edge = ColourOf(PracticeColours.CurrentEdge);
    if (!IsCurrentAt(shapes, cell.Left - cell.Width, cell.Top))
        painter.fillRect(place.left(), place.top(), stroke, place.height(), edge);
    if (!IsCurrentAt(shapes, cell.Left + cell.Width, cell.Top))
        painter.fillRect(place.right() + 1 - stroke, place.top(), stroke, place.height(), edge);
    if (!IsCurrentAt(shapes, cell.Left, cell.Top - cell.Height))
        painter.fillRect(place.left(), place.top(), place.width(), stroke, edge);
    if (!IsCurrentAt(shapes, cell.Left, cell.Top + cell.Height))
        painter.fillRect(place.left(), place.bottom() + 1 - stroke, place.width(), stroke, edge);
}

void ColumnPaper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentRow(current_ - 1);
        break;
    case Qt::Key_Down:
        setCurrentRow(current_ + 1);
        break;
    case Qt::Key_Home:
        setCurrentRow(0);
        break;
    case Qt::Key_End:
        setCurrentRow(rowCount() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ColumnPaper::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The list's own focus is told after this: the row's comes after it, and is read.
    QTimer::singleShot(0, this, [this] { sayCurrentRow(); });
    update();
}

void ColumnPaper::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ColumnPaper::setCurrentRow(int row) {
    if (rowCount() == 0)
        return;
    row = std::clamp(row, 0, rowCount() - 1);
    if (row == current_)
        return;
    current_ = row;
    sayCurrentRow();
    update();
}

// The row moved to has the focus, for a screen reader, which then reads it.
void ColumnPaper::sayCurrentRow() {
    ColumnRow* current = row(current_);
    if (current == nullptr || !hasFocus())
        return;
    QAccessibleEvent focus(current, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selected(current, QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
}

} // namespace velmorand
