#include "column_grid.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

namespace velmorand {

namespace {

// An exercise book's page: white paper, faint blue squares, blue ink.
const QColor Paper(0xFD, 0xFD, 0xF8);
const QColor Squares(0xC4, 0xD8, 0xEE);
const QColor Ink(0x1A, 0x23, 0x7E);
const QColor CurrentFill(0xFF, 0xEF, 0x9A);
const QColor CurrentEdge(0xE6, 0x7E, 0x00);

// Squares at least this large are drawn; beyond the largest the column stops growing, so that
// a short column on a wide screen still looks like writing in a book. On a 1920 by 1080 screen
// a column of 6 rows fills its part of the window with squares of about 100 pixels, digits of
// about 75: readable across a classroom.
constexpr int SmallestCell = 12;
constexpr int LargestCell = 140;
// Empty squares around the column: one at either side and above, and below it two, the answer
// line on the second.
constexpr int SideMargin = 1;
constexpr int TopMargin = 1;

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
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

ColumnRow* ColumnPaper::row(int index) const {
    return index >= 0 && index < rowCount() ? rows_[static_cast<std::size_t>(index)] : nullptr;
}

void ColumnPaper::show(const Grid& grid, const std::vector<std::string>& spokenRows,
                       const QString& answerLine) {
    grid_ = grid;
    answerLine_ = answerLine;
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
    updateGeometry();
    update();
}

int ColumnPaper::linesBelow() const { return answerLine_.isEmpty() ? 1 : 3; }

int ColumnPaper::cellSize() const {
    const int wide = std::max(grid_.Columns, 1) + 2 * SideMargin;
    const int tall = std::max(grid_.Rows, 1) + TopMargin + linesBelow();
    const int fits = std::min(width() / wide, height() / tall);
    return std::clamp(fits, SmallestCell, LargestCell);
}

// The column stands in the middle across, at the top; the squares of the paper run through the
// whole widget in step with its cells.
QPoint ColumnPaper::origin() const {
    const int cell = cellSize();
    const int columns = std::max(grid_.Columns, 1);
    const int left = std::max((width() / cell - columns) / 2, SideMargin);
    return {left * cell, TopMargin * cell};
}

QRect ColumnPaper::cellRect(int row, int column) const {
    const int cell = cellSize();
    const QPoint o = origin();
    return {o.x() + column * cell, o.y() + row * cell, cell, cell};
}

QSize ColumnPaper::sizeHint() const {
    constexpr int cell = 48;
    return {(std::max(grid_.Columns, 8) + 2 * SideMargin) * cell,
            (std::max(grid_.Rows, 6) + TopMargin + 3) * cell};
}

QSize ColumnPaper::minimumSizeHint() const { return {12 * SmallestCell, 10 * SmallestCell}; }

void ColumnPaper::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Paper);
    const int cell = cellSize();
    const QPoint o = origin();

    painter.setPen(QPen(Squares, 1));
    for (int x = o.x() % cell; x < width(); x += cell)
        painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height()));
    for (int y = o.y() % cell; y < height(); y += cell)
        painter.drawLine(QPointF(0, y + 0.5), QPointF(width(), y + 0.5));

    for (const GridCell& c : grid_.Current) {
        const QRectF place = QRectF(cellRect(c.Row, c.Column)).adjusted(1, 1, 0, 0);
        painter.fillRect(place, CurrentFill);
    }
    if (!grid_.Current.empty()) {
        // One frame round the cells the answer goes into.
        QRect around;
        for (const GridCell& c : grid_.Current)
            around |= cellRect(c.Row, c.Column);
        painter.setPen(QPen(CurrentEdge, std::max(2, cell / 20)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(around).adjusted(1, 1, -1, -1));
    }

    QFont digits = font();
    digits.setPixelSize(std::max(cell * 3 / 4, 6));
    painter.setFont(digits);
    painter.setPen(Ink);
    for (const GridCell& c : grid_.Cells) {
        const QRect place = cellRect(c.Row, c.Column);
        if (c.Digit == '.') { // a digit of the quotient still to find: a dot in its square
            const qreal r = std::max(cell / 14.0, 1.5);
            painter.setBrush(Ink);
            painter.drawEllipse(QPointF(place.center()) + QPointF(0.5, cell / 4.0), r, r);
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.drawText(place, Qt::AlignCenter, QString(QLatin1Char(c.Digit)));
        }
    }

    painter.setPen(QPen(Ink, std::max(2.0, cell / 16.0), Qt::SolidLine, Qt::RoundCap));
    for (const GridLine& line : grid_.Lines) {
        const QRect start = cellRect(line.Row, line.Column);
        if (line.Vertical)
            painter.drawLine(start.topLeft(), start.topLeft() + QPoint(0, line.Length * cell));
        else
            painter.drawLine(start.bottomLeft() + QPoint(0, 1),
                             start.bottomLeft() + QPoint(line.Length * cell, 1));
    }

    // The minus before each subtraction, as in the book: left of the partial dividend, level
    // with the line between it and the product under it. Every line under the first row is
    // a product's; the first row's is the corner's.
    for (const GridLine& line : grid_.Lines) {
        if (line.Vertical || line.Row < 1)
            continue;
        const QRect beside = cellRect(line.Row, line.Column - 1);
        const qreal half = cell * 0.22;
        const QPointF middle(beside.center().x() + 0.5, beside.top());
        painter.drawLine(middle - QPointF(half, 0), middle + QPointF(half, 0));
    }

    if (!answerLine_.isEmpty()) {
        QFont answer = font();
        answer.setPixelSize(std::max(cell * 3 / 5, 6));
        painter.setFont(answer);
        const QRect line = cellRect(std::max(grid_.Rows, 1) + 1, 0);
        painter.drawText(QRect(line.left(), line.top(), width() - line.left(), cell),
                         Qt::AlignLeft | Qt::AlignVCenter, answerLine_);
    }

    // The keyboard's place: the row a screen reader is reading, framed.
    if (hasFocus() && rowCount() > 0) {
        const QRect row =
            cellRect(current_, 0).united(cellRect(current_, std::max(grid_.Columns, 1) - 1));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(row).adjusted(-2, -2, 2, 2));
    }
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
