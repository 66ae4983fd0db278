#include "sheet_painter.h"

#include "practice/sheet_words.h"
#include "widget_helpers.h"
#include "window/practice_look.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>

namespace velmorand {

namespace {

// Fine enough that a line 0.1 mm wide is still several dots wide, and every millimetre a
// whole number of dots at 25.4 mm to the inch.
constexpr int PdfResolution = 1270;
constexpr double MmPerInch = 25.4;
constexpr double PointsPerInch = 72;

QColor Colour(Rgb rgb) { return QColor::fromRgb(QRgb(rgb)); }

QColor InkOf(bool grey) {
    return Colour(grey ? PracticeColours.SheetGrey : PracticeColours.SheetInk);
}

QFont SheetFont(const QPainter& painter, double sizeMm, double unitsPerMm) {
    QFont font(QString::fromLatin1(PrintedFontFamily));
    font.setStyleStrategy(QFont::PreferOutline);
    // A point size is in the device's own inches: the em of sizeMm millimetres on the page.
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;
    font.setPointSizeF(sizeMm * unitsPerMm * PointsPerInch / dpi);
    return font;
}

void PaintGrid(QPainter& painter, const PrintedSquares& grid, double unitsPerMm) {
    if (grid.Columns <= 0 || grid.Rows <= 0 || grid.Pitch <= 0)
        return;
    QPen pen(Colour(PracticeColours.Squares), SheetRulingMillimetres * unitsPerMm);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double left = grid.Origin.X * unitsPerMm;
    const double top = grid.Origin.Y * unitsPerMm;
    const double right = (grid.Origin.X + grid.Columns * grid.Pitch) * unitsPerMm;
    const double bottom = (grid.Origin.Y + grid.Rows * grid.Pitch) * unitsPerMm;
    for (int column = 0; column <= grid.Columns; ++column) {
        const double x = (grid.Origin.X + column * grid.Pitch) * unitsPerMm;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    for (int row = 0; row <= grid.Rows; ++row) {
        const double y = (grid.Origin.Y + row * grid.Pitch) * unitsPerMm;
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void PaintLine(QPainter& painter, const PrintedLine& line, double unitsPerMm) {
    QPen pen(InkOf(line.Grey), line.Width * unitsPerMm);
    pen.setCapStyle(Qt::FlatCap); // the ends stop at From and To
    painter.setPen(pen);
    painter.drawLine(QPointF(line.From.X * unitsPerMm, line.From.Y * unitsPerMm),
                     QPointF(line.To.X * unitsPerMm, line.To.Y * unitsPerMm));
}

void PaintText(QPainter& painter, const PrintedText& text, double unitsPerMm) {
    const QString written = QString::fromUtf8(text.Text.data(), qsizetype(text.Text.size()));
    QFont font = SheetFont(painter, text.Size, unitsPerMm);
    painter.setPen(InkOf(text.Grey));
    if (text.InCell) {
        painter.setFont(font);
        const QRectF cell(text.Cell.X * unitsPerMm, text.Cell.Y * unitsPerMm,
                          text.Cell.Width * unitsPerMm, text.Cell.Height * unitsPerMm);
        // Centred on the digit's own height, not the font's line, which reaches below it.
        const QFontMetricsF metrics(font, painter.device());
        const QRectF ink = metrics.tightBoundingRect(written);
        const double x = cell.center().x() - metrics.horizontalAdvance(written) / 2;
        const double baseline = cell.center().y() - (ink.top() + ink.bottom()) / 2;
        painter.drawText(QPointF(x, baseline), written);
        return;
    }
    const double room = text.Width * unitsPerMm;
    const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(written);
    if (room > 0 && wide > room)
        font.setPointSizeF(font.pointSizeF() * room / wide);
    painter.setFont(font);
    painter.drawText(QPointF(text.X * unitsPerMm, text.Baseline * unitsPerMm), written);
}

// A file's name as the reasons give it: «/home/учитель/Листы.pdf»: .
QPageSize PaperOf(const PrintedPage& page) {
    return QPageSize(QSizeF(page.Width, page.Height), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

} // namespace

void PaintPrintedPage(QPainter& painter, const PrintedPage& page, double unitsPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false); // grid lines crisp on every dot
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintGrid(painter, page.Squares, unitsPerMm);
    for (const PrintedLine& line : page.Lines)
        PaintLine(painter, line, unitsPerMm);
    for (const PrintedText& text : page.Texts)
        PaintText(painter, text, unitsPerMm);
    painter.restore();
}

bool PaintPrintedSheets(QPagedPaintDevice& device, const std::vector<PrintedPage>& pages,
                        QString* error) {
    if (pages.empty()) {
        if (error != nullptr)
            *error = Words(PrintedWords.NoPages);
        return false;
    }
    device.setPageLayout(QPageLayout(PaperOf(pages.front()), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotPrint);
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.setPageSize(PaperOf(pages[i]));
            device.newPage();
        }
        // The device's own units: its dots per inch across, for a millimetre.
        PaintPrintedPage(painter, pages[i], device.logicalDpiX() / MmPerInch);
    }
    return painter.end();
}

bool WritePrintedSheetsPdf(const QString& path, const std::vector<PrintedPage>& pages,
                           QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotOpen) + QuotedPath(path) + file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("velmorand"));
        writer.setTitle(Words(PrintedWords.Title));
        QString painted;
        if (!PaintPrintedSheets(writer, pages, &painted)) {
            file.cancelWriting();
            if (error != nullptr)
                *error = Words(PrintedWords.CannotWrite) + QuotedPath(path) + painted;
            return false;
        }
    }
    if (!file.commit()) {
        if (error != nullptr)
            *error = Words(PrintedWords.CannotWrite) + QuotedPath(path) + file.errorString();
        return false;
    }
    return true;
}

} // namespace velmorand
