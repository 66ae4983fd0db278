#include "sheets_dialog.h"

#include "practice/sheet_words.h"

#include "sheet_painter.h"

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
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorand {

namespace {

// The preview's pictures: three dots to the millimetre, an A4 page 630 dots wide.
constexpr double PreviewDotsPerMm = 3;

QImage PagePicture(const SheetPage& page) {
    QImage image(qRound(page.Width * PreviewDotsPerMm), qRound(page.Height * PreviewDotsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintSheetPage(painter, page, PreviewDotsPerMm);
    return image;
}

QSpinBox* Spin(int lowest, int highest, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(lowest, highest);
    spin->setValue(value);
    return spin;
}

} // namespace

SheetsDialog::SheetsDialog(int level, int variant, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Sheets"));
    setWindowTitle(QString::fromUtf8(SheetOptionWords.Title));
    const SheetOptions start = ClampSheetOptions({.Level = level, .Variant = variant});

    level_ = Spin(1, 8, start.Level, this);
    variant_ = Spin(1, 999999, start.Variant, this);
    variants_ = Spin(1, MostSheetVariants, 1, this);
    problems_ = Spin(0, MostSheetProblems, 0, this);
    problems_->setSpecialValueText(QString::fromUtf8(SheetOptionWords.AsManyAsFit));
    answers_ = new QCheckBox(QString::fromUtf8(SheetOptionWords.Answers), this);
    answers_->setChecked(true);
    large_ = new QCheckBox(QString::fromUtf8(SheetOptionWords.Large), this);
    const struct {
        QWidget* Widget;
        const char* Name;
    } named[] = {{level_, "SheetsLevel"},       {variant_, "SheetsVariant"},
                 {variants_, "SheetsVariants"}, {problems_, "SheetsProblems"},
                 {answers_, "SheetsAnswers"},   {large_, "SheetsLarge"}};
    for (const auto& n : named)
        n.Widget->setObjectName(QLatin1String(n.Name));

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(SheetOptionWords.Level), level_);
    form->addRow(QString::fromUtf8(SheetOptionWords.Variant), variant_);
    form->addRow(QString::fromUtf8(SheetOptionWords.Variants), variants_);
    form->addRow(QString::fromUtf8(SheetOptionWords.Problems), problems_);
    form->addRow(answers_);
    form->addRow(large_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("SheetsCount"));
    form->addRow(count_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print =
        buttons->addButton(QString::fromUtf8(SheetOptionWords.Print) + QStringLiteral("…"),
                           QDialogButtonBox::ActionRole);
    QPushButton* save =
        buttons->addButton(QString::fromUtf8(SheetOptionWords.SavePdf) + QStringLiteral("…"),
                           QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QString::fromUtf8("Закрыть"));
    print->setObjectName(QStringLiteral("SheetsPrint"));
    save->setObjectName(QStringLiteral("SheetsSave"));
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(save, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addStretch(1);
    side->addWidget(buttons);

    auto* pictures = new QWidget;
    preview_ = new QVBoxLayout(pictures);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SheetsPreview"));
    scroll->setAccessibleName(QString::fromUtf8(SheetOptionWords.Preview));
    scroll->setWidget(pictures);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(qRound(210 * PreviewDotsPerMm) + 40);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(side);
    whole->addWidget(scroll, 1);

    for (QSpinBox* spin : {level_, variant_, variants_, problems_})
        connect(spin, &QSpinBox::valueChanged, this, [this] { remake(); });
    for (QCheckBox* check : {answers_, large_})
        connect(check, &QCheckBox::toggled, this, [this] { remake(); });
    remake();
    resize(1000, 800);
}

SheetOptions SheetsDialog::options() const {
    return ClampSheetOptions({.Level = level_->value(),
                              .Variant = variant_->value(),
                              .Variants = variants_->value(),
                              .Problems = problems_->value(),
                              .Answers = answers_->isChecked(),
                              .Large = large_->isChecked()});
}

void SheetsDialog::remake() {
    pages_ = MakeSheets(options());
    while (QLayoutItem* item = preview_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        auto* picture = new QLabel;
        picture->setPixmap(QPixmap::fromImage(PagePicture(pages_[i])));
        picture->setAccessibleName(QString::fromUtf8("Страница %1").arg(i + 1));
        preview_->addWidget(picture, 0, Qt::AlignHCenter);
    }
    preview_->addStretch(1);
    count_->setText(QString::fromUtf8("Страниц: %1").arg(pages_.size()));
}

void SheetsDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true); // the page's own margins, not the printer's, are kept
    printer.setDocName(QString::fromUtf8(SheetOptionWords.Title));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(pages_.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Only the pages the teacher chose, when a range was chosen.
    std::vector<SheetPage> chosen = pages_;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const auto first = std::size_t(printer.fromPage() - 1);
        const auto last = std::min(std::size_t(printer.toPage()), pages_.size());
        chosen.assign(pages_.begin() + std::ptrdiff_t(std::min(first, last)),
                      pages_.begin() + std::ptrdiff_t(last));
    }
    QString error;
    if (!PaintSheets(printer, chosen, &error))
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8("Листы не напечатаны: %1").arg(error));
}

void SheetsDialog::savePdf() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Сохранить листы"),
                                                      QString::fromUtf8("Листы.pdf"),
                                                      QString::fromUtf8("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteSheetsPdf(path, pages_, &error))
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8("Листы не сохранены: %1").arg(error));
}

} // namespace velmorand
