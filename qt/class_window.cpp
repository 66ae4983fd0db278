#include "class_window.h"

#include "accessibility.h"
#include "class_chart.h"
#include "practice/sheet_words.h"
#include "practice_window.h"
#include "widget_helpers.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QTextOption>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace velmorand {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double PointsPerInch = 72;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The journal laid out down A4 pages: each piece goes under the one before, on a new page when
// it would not fit, the table's header repeated there.
class JournalPages {
public:
    JournalPages(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), unit_(device.logicalDpiX() / MmPerInch),
          top_(ClassPrint.Margin * unit_), y_(top_),
          bottom_((ClassPrint.PaperHeight - ClassPrint.Margin) * unit_),
          left_(ClassPrint.Margin * unit_),
          width_((ClassPrint.PaperWidth - 2 * ClassPrint.Margin) * unit_) {
        option_.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void paragraph(const QString& text, double sizeMm, bool bold) {
        useFont(sizeMm, bold);
        const double height = measure(text, width_);
        makeRoom(height);
        painter_.setPen(ColourOf(ClassPrint.Ink));
        painter_.drawText(QRectF(left_, y_, width_, height), text, option_);
        y_ += height + ClassPrint.ParagraphGap * unit_ / 2;
    }

    void table(const ClassJournal& journal) {
        const std::span<const JournalColumn> columns = JournalColumns();
        QStringList header;
        for (const JournalColumn& column : columns)
            header << Words(column.Header);
        headerCells_ = header;
        row(header, true);
        for (const JournalRow& pupil : journal.Rows) {
            QStringList cells;
            for (const JournalColumn& column : columns)
                cells << Text(column.Cell(pupil));
            row(cells, false);
        }
        y_ += ClassPrint.ParagraphGap * unit_;
        headerCells_.clear();
    }

    void chart(const ChartPicture& picture) {
        const double scale = ClassPrint.ChartWidth * unit_ / picture.Width;
        makeRoom(picture.Height * scale);
        painter_.save();
        painter_.translate(left_, y_);
        PaintChart(painter_, picture, scale);
        painter_.restore();
        y_ += picture.Height * scale;
    }

private:
    void useFont(double sizeMm, bool bold) {
        QFont font(Words(PracticeFace));
        font.setStyleStrategy(QFont::PreferOutline);
        font.setPointSizeF(sizeMm * unit_ * PointsPerInch / device_.logicalDpiY());
        font.setBold(bold);
        painter_.setFont(font);
    }

    double measure(const QString& text, double width) const {
        return painter_.boundingRect(QRectF(0, 0, width, 1e9), text, option_).height();
    }

    double columnWidth(int index, int count) const {
        if (index == 0)
            return ClassPrint.NameColumn * unit_;
        if (index == count - 1)
            return ClassPrint.NoteColumn * unit_;
        return (width_ - (ClassPrint.NameColumn + ClassPrint.NoteColumn) * unit_) / (count - 2);
    }

    void row(const QStringList& cells, bool header) {
        useFont(ClassPrint.TextSize, header);
        const double padding = ClassPrint.CellPadding * unit_;
        const int count = static_cast<int>(cells.size());
        double height = 0;
        for (int i = 0; i < count; ++i)
            height = std::max(height, measure(cells[i], columnWidth(i, count) - 2 * padding));
        height += 2 * padding;
        if (y_ + height > bottom_ && y_ > top_) {
            device_.newPage();
            y_ = top_;
            if (!header && !headerCells_.isEmpty())
                row(headerCells_, true);
            useFont(ClassPrint.TextSize, header);
        }
        QPen rule(ColourOf(ClassPrint.Lines), ClassPrint.Rule * unit_);
        double x = left_;
        for (int i = 0; i < count; ++i) {
            const QRectF cell(x, y_, columnWidth(i, count), height);
            painter_.setPen(rule);
            painter_.drawRect(cell);
            painter_.setPen(ColourOf(ClassPrint.Ink));
            painter_.save();
            painter_.setClipRect(cell);
            painter_.drawText(cell.adjusted(padding, padding, -padding, -padding), cells[i],
                              option_);
            painter_.restore();
            x += cell.width();
        }
        y_ += height;
    }

    void makeRoom(double height) {
        if (y_ + height > bottom_ && y_ > top_) {
            device_.newPage();
            y_ = top_;
        }
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    double unit_; // device units to a millimetre
    double top_, y_, bottom_, left_, width_;
    QTextOption option_;
    QStringList headerCells_; // while the table is drawn
};

} // namespace

bool PaintJournal(QPagedPaintDevice& device, const ClassJournal& journal, QString* error) {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotPrint);
        return false;
    }
    JournalPages pages(device, painter);
    const JournalTotals totals = TotalsOf(journal);
    pages.paragraph(Words(ClassCaption), ClassPrint.TitleSize, true);
    pages.paragraph(Text(journal.Problems.Title), ClassPrint.TextSize, false);
    pages.table(journal);
    pages.paragraph(Text(TotalsText(totals)), ClassPrint.TextSize, false);
    pages.paragraph(Text(MissingText(journal)), ClassPrint.TextSize, false);
    if (const ClassControl* chart = FindClassControl("ClassChart"))
        pages.paragraph(Words(chart->Label), ClassPrint.TextSize, true);
    pages.chart(ChartPictureOf(totals, ClassPrint.ChartPixels));
    return painter.end();
}

bool WriteJournalCsv(const QString& path, const ClassJournal& journal, QString* error) {
    const std::string csv = JournalCsv(journal);
    const QString named = QuotedPath(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotOpen) + named + file.errorString();
        return false;
    }
    if (file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotWrite) + named + file.errorString();
        return false;
    }
    return true;
}

ClassWindow::ClassWindow(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    const QString kept = OpenProgramSettings()->value(QLatin1String(JournalKey)).toString();
    journal_ = JournalFromStoreText(kept.toStdString()); // a damaged text is a fresh journal
    const bool remembered = !journal_.Problems.Problems.empty();
    setObjectName(QStringLiteral("Class"));
    setWindowTitle(Words(ClassCaption));
    UsePracticeLook(*this);
    QFont face = font();
    face.setPixelSize(SizeOf(PracticeType::Label).Pixels);
    setFont(face);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    auto* rows = new QFormLayout(page);
    rows->setRowWrapPolicy(QFormLayout::WrapLongRows);
    scroll->setWidget(page);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins({});
    whole->addWidget(scroll);

    for (const ClassControl& control : ClassLayout()) {
        QWidget* widget = makeControl(control);
        widget->setParent(page);
        widget->setObjectName(QLatin1String(control.Name));
        shown_.push_back({widget, &control});
        const bool captioned = control.Kind == ClassControlKind::Field ||
                               control.Kind == ClassControlKind::Table ||
                               control.Kind == ClassControlKind::Chart;
        if (!captioned || control.Label == nullptr) {
            rows->addRow(widget);
            continue;
        }
        auto* label = new QLabel(Words(control.Label), page);
        label->setBuddy(widget);
        widget->setAccessibleName(Words(control.Label));
        if (control.Kind == ClassControlKind::Field) {
            rows->addRow(label, widget);
        } else { // a wide control under its caption
            rows->addRow(label);
            rows->addRow(widget);
        }
    }
    for (const Shown& shown : shown_)
        if (shown.Control->Announced)
            announcer_ = new Announcer(this, shown.Widget);
    if (announcer_ == nullptr)
        announcer_ = new Announcer(this);
    if (remember_ != nullptr)
        remember_->setChecked(remembered);
    if (set_ != nullptr)
        set_->setText(Text(journal_.Choice));
    resize(DesignWidthPixels, DesignHeightPixels);
    showJournal();
    if (set_ != nullptr)
        set_->setFocus();
}

// The fields lose the focus as QWidget takes them down, after this window is gone: what they
// signal then must reach nothing of it.
ClassWindow::~ClassWindow() {
    for (const Shown& shown : shown_)
        shown.Widget->disconnect(this);
}

QWidget* ClassWindow::makeControl(const ClassControl& control) {
    switch (control.Kind) {
    case ClassControlKind::Field: {
        auto* field = new QLineEdit;
        field->setMaxLength(std::numeric_limits<int>::max()); // the core judges any text
        if (control.Command == ClassCommand::ChooseProblems) {
            set_ = field;
            connect(field, &QLineEdit::editingFinished, this, [this] { chooseProblems(); });
        } else {
            (name_ == nullptr ? name_ : code_) = field;
            connect(field, &QLineEdit::returnPressed, this, [this] { addPupil(); });
        }
        return field;
    }
    case ClassControlKind::Button: {
        auto* button = new QPushButton(Words(control.Label));
        button->setAutoDefault(true); // Enter presses the button in the focus, as Space does
        connect(button, &QPushButton::clicked, this,
                [this, &control] { command(control.Command); });
        return button;
    }
    case ClassControlKind::Check:
        remember_ = new QCheckBox(Words(control.Label));
        connect(remember_, &QCheckBox::clicked, this, [this](bool on) { remember(on); });
        return remember_;
    case ClassControlKind::Table: {
        table_ = new QTableWidget;
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setTabKeyNavigation(false); // Tab leaves the table for the next control
        table_->setWordWrap(true);
        QStringList headers;
        for (const JournalColumn& column : JournalColumns())
            headers << Words(column.Header);
        table_->setColumnCount(static_cast<int>(headers.size()));
        table_->setHorizontalHeaderLabels(headers);
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        return table_;
    }
    case ClassControlKind::Chart:
        chart_ = new ClassChart;
        return chart_;
    case ClassControlKind::Text:
        break;
    }
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void ClassWindow::command(ClassCommand command) {
    switch (command) {
    case ClassCommand::ChooseProblems:
        chooseProblems();
        break;
    case ClassCommand::AddPupil:
        addPupil();
        break;
    case ClassCommand::Remember:
        remember(remember_ != nullptr && remember_->isChecked());
        break;
    case ClassCommand::Forget:
        forget();
        break;
    case ClassCommand::Print:
        print();
        break;
    case ClassCommand::SaveCsv:
        saveCsv();
        break;
    case ClassCommand::None:
        break;
    }
}

// Only what was edited since it was last chosen: leaving the field untouched changes nothing.
void ClassWindow::chooseProblems() {
    if (!set_->isModified())
        return;
    set_->setModified(false);
    deliver(ChooseJournalProblems(journal_, set_->text().toStdString()));
}

// A pupil counted is cleared from the fields for the next one; a refused code stays to be
// mended, and typed again under the same name it replaces the one refused.
void ClassWindow::addPupil() {
    const JournalChange change =
        AddPupil(journal_, name_->text().toStdString(), code_->text().toStdString());
    deliver(change);
    if (change.Changed && change.Message.empty()) {
        name_->clear();
        code_->clear();
        name_->setFocus();
    } else if (change.Changed) {
        code_->setFocus();
        code_->selectAll();
    }
}

void ClassWindow::remember(bool on) {
    if (!on) {
        OpenProgramSettings()->remove(QLatin1String(JournalKey));
        return;
    }
    keep();
    tell(Words(ClassWords.Remembered));
}

void ClassWindow::forget() {
    ForgetPupils(journal_);
    OpenProgramSettings()->remove(QLatin1String(JournalKey));
    if (remember_ != nullptr)
        remember_->setChecked(false);
    showJournal();
    tell(Words(ClassWords.Forgotten));
}

void ClassWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the journal's own margins, not the printer's
    printer.setDocName(Words(ClassCaption));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!PaintJournal(printer, journal_, &error))
        tell(Words(ClassWords.NotPrinted) + error);
}

void ClassWindow::saveCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, Words(ClassCaption), Words(ClassWords.FileName), Words(ClassWords.FileKinds));
    if (path.isEmpty())
        return;
    QString error;
    tell(WriteJournalCsv(path, journal_, &error) ? Words(ClassWords.Saved) + path
                                                 : Words(ClassWords.NotSaved) + error);
}

// The journal drawn first, and last the announcement: a screen reader says it after what the
// focus reads.
void ClassWindow::deliver(const JournalChange& change) {
    error_ = change.Message;
    if (change.Changed)
        keep();
    showJournal();
    if (!change.Announcement.empty())
        announcer_->announce(Text(change.Announcement));
}

void ClassWindow::tell(const QString& message) {
    error_ = message.toStdString();
    showJournal();
    announcer_->announce(message);
}

void ClassWindow::keep() {
    if (remember_ == nullptr || !remember_->isChecked())
        return;
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    settings->setValue(QLatin1String(JournalKey), Text(JournalStoreText(journal_)));
    settings->sync();
}

void ClassWindow::showJournal() {
    for (const Shown& shown : shown_) {
        if (shown.Control->Kind != ClassControlKind::Text)
            continue;
        auto* label = static_cast<QLabel*>(shown.Widget);
        const QString text = Text(ClassShownText(journal_, error_, shown.Control->Shows));
        if (label->text() != text)
            label->setText(text);
    }
    if (table_ != nullptr) {
        const std::span<const JournalColumn> columns = JournalColumns();
        table_->setRowCount(static_cast<int>(journal_.Rows.size()));
        for (int row = 0; row < table_->rowCount(); ++row)
            for (int column = 0; column < table_->columnCount(); ++column) {
                const JournalRow& pupil = journal_.Rows[std::size_t(row)];
                const JournalColumn& shows = columns[std::size_t(column)];
                const QString cell = Text(shows.Cell(pupil));
                QTableWidgetItem* item = table_->item(row, column);
                if (item == nullptr) {
                    item = new QTableWidgetItem(cell);
                    table_->setItem(row, column, item);
                } else if (item->text() != cell) {
                    item->setText(cell);
                }
                item->setData(Qt::AccessibleTextRole, Text(shows.Said(pupil)));
            }
        table_->resizeRowsToContents();
    }
    if (chart_ != nullptr)
        chart_->setTotals(TotalsOf(journal_));
}

} // namespace velmorand
