#include "sheets_dialog.h"

#include "practice/sheet_words.h"
#include "window/practice_look.h"

#include "sheet_painter.h"
#include "widget_helpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorand {

namespace {

// A page's picture in the preview, in logical pixels.
QSize PreviewSize(const PrintedPage& page) {
    return QSize(qRound(page.Width * PreviewPixelsPerMillimetre),
                 qRound(page.Height * PreviewPixelsPerMillimetre));
}

// The page at its preview size, sharp on a screen of `ratio` device pixels to the pixel.
QPixmap PagePicture(const PrintedPage& page, double ratio) {
    QImage image(PreviewSize(page) * ratio, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(QRgb(PracticeColours.SheetPaper)));
    {
        QPainter painter(&image);
        PaintPrintedPage(painter, page, PreviewPixelsPerMillimetre * ratio);
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

} // namespace

SheetsDialog::SheetsDialog(int level, int variant, QWidget* parent)
    : SheetsDialog(PrintedSheetsOptions{.Level = level, .Variant = variant}, parent) {}

SheetsDialog::SheetsDialog(const PrintedSheetsOptions& asked, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Sheets"));
    setWindowTitle(Words(PrintedWords.Title));
    const PrintedSheetsOptions start = ClampPrintedSheetsOptions(asked);
    set_ = start.Set;

    auto* form = new QFormLayout;
    auto* buttons = new QDialogButtonBox(this);
    auto* pictures = new QWidget;
    preview_ = new QVBoxLayout(pictures);
    auto* scroll = new QScrollArea(this);
    for (const PrintedControl& control : PrintedControls()) {
        QWidget* made = nullptr;
        switch (control.Kind) {
        case PrintedControlKind::NumberList:
        case PrintedControlKind::NumberField: {
            auto* spin = new QSpinBox(this);
            spin->setRange(control.Lowest, control.Highest);
            if (control.LowestText != nullptr)
                spin->setSpecialValueText(Words(control.LowestText));
            spin->setValue(ChoiceValue(start, control.Sets));
            spin->setEnabled(set_.empty());
            connect(spin, &QSpinBox::valueChanged, this, [this] { remake(); });
            form->addRow(Words(control.Text), spin);
            choices_.push_back({&control, spin, nullptr});
            made = spin;
            break;
        }
        case PrintedControlKind::Check: {
            auto* check = new QCheckBox(Words(control.Text), this);
            check->setChecked(ChoiceValue(start, control.Sets) != 0);
            connect(check, &QCheckBox::toggled, this, [this] { remake(); });
            form->addRow(check);
            choices_.push_back({&control, nullptr, check});
            made = check;
            break;
        }
        case PrintedControlKind::PageCount:
            count_ = new QLabel(this);
            form->addRow(count_);
            made = count_;
            break;
        case PrintedControlKind::Button: {
            const bool closes = control.Command == PrintedCommand::Close;
            QPushButton* button =
                buttons->addButton(Words(control.Text), closes ? QDialogButtonBox::RejectRole
                                                               : QDialogButtonBox::ActionRole);
            // Enter in a number takes it, and opens no dialog of a button's.
            button->setAutoDefault(false);
            if (control.Command == PrintedCommand::Print)
                connect(button, &QPushButton::clicked, this, [this] { print(); });
            else if (control.Command == PrintedCommand::SavePdf)
                connect(button, &QPushButton::clicked, this, [this] { savePdf(); });
            made = button;
            break;
        }
        case PrintedControlKind::Pages:
            scroll->setAccessibleName(Words(control.Text));
            made = scroll;
            break;
        }
        made->setObjectName(QLatin1String(control.Name));
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addStretch(1);
    side->addWidget(buttons);

    scroll->setWidget(pictures);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    // As wide as a page's picture with the room around it and the scroll bar beside it.
    const QSize page = PreviewSize(PrintedPage{});
    const QMargins around = preview_->contentsMargins();
    const int frame = 2 * scroll->frameWidth();
    scroll->setMinimumWidth(page.width() + around.left() + around.right() + frame +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(side);
    whole->addWidget(scroll, 1);

    remake();
    // A whole page high where the screen has the room.
    QSize size = sizeHint();
    size.setHeight(std::max(size.height(), page.height() + around.top() + around.bottom() + frame +
                                               whole->contentsMargins().top() +
                                               whole->contentsMargins().bottom()));
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size());
    resize(size);
}

PrintedSheetsOptions SheetsDialog::options() const {
    PrintedSheetsOptions chosen{.Set = set_};
    for (const Choice& choice : choices_)
        SetChoice(chosen, choice.Control->Sets,
                  choice.Number != nullptr ? choice.Number->value()
                                           : int(choice.Check->isChecked()));
    return ClampPrintedSheetsOptions(chosen);
}

void SheetsDialog::remake() {
    pages_ = MakePrintedSheets(options());
    while (QLayoutItem* item = preview_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        auto* picture = new QLabel;
        picture->setPixmap(PagePicture(pages_[i], devicePixelRatioF()));
        picture->setAccessibleName(Words(PrintedWords.Page) + QString::number(i + 1));
        preview_->addWidget(picture, 0, Qt::AlignHCenter);
    }
    preview_->addStretch(1);
    count_->setText(Words(PrintedWords.PageCount) + QString::number(pages_.size()));
}

void SheetsDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true); // the page's own margins, not the printer's, are kept
    printer.setDocName(Words(PrintedWords.Title));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(pages_.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Only the pages the teacher chose, when a range was chosen.
    std::vector<PrintedPage> chosen = pages_;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const auto first = std::size_t(printer.fromPage() - 1);
        const auto last = std::min(std::size_t(printer.toPage()), pages_.size());
        chosen.assign(pages_.begin() + std::ptrdiff_t(std::min(first, last)),
                      pages_.begin() + std::ptrdiff_t(last));
    }
    QString error;
    if (!PaintPrintedSheets(printer, chosen, &error))
        QMessageBox::warning(this, windowTitle(), Words(PrintedWords.NotPrinted) + error);
}

void SheetsDialog::savePdf() {
    const QString path =
        QFileDialog::getSaveFileName(this, Words(PrintedWords.SaveTitle),
                                     Words(PrintedWords.FileName), Words(PrintedWords.FileKinds));
    if (path.isEmpty())
        return;
    QString error;
    if (!WritePrintedSheetsPdf(path, pages_, &error))
        QMessageBox::warning(this, windowTitle(), Words(PrintedWords.NotSaved) + error);
}

} // namespace velmorand
