#include "sheet_painter.h"

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
constexpr double GridLineMm = 0.12;
constexpr double PointsPerInch = 72;

QFont SheetFont(const QPainter& painter, double sizeMm, double unitsPerMm) {
    QFont font(QString::fromLatin1(SheetFontFamily));
    font.setStyleStrategy(QFont::PreferOutline);
    // A point size is in the device's own inches: the em of sizeMm millimetres on the page.
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;
    font.setPointSizeF(sizeMm * unitsPerMm * PointsPerInch / dpi);
    return font;
}

void PaintGrid(QPainter& painter, const SheetGrid& grid, double unitsPerMm) {
    if (grid.Columns <= 0 || grid.Rows <= 0 || grid.Pitch <= 0)
        return;
    QPen pen(SheetGridColour, GridLineMm * unitsPerMm);
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

void PaintLine(QPainter& painter, const SheetLine& line, double unitsPerMm) {
    QPen pen(line.Grey ? SheetGreyColour : QColor(Qt::black), line.Width * unitsPerMm);
    pen.setCapStyle(Qt::FlatCap); // the ends stop at From and To
    painter.setPen(pen);
    painter.drawLine(QPointF(line.From.X * unitsPerMm, line.From.Y * unitsPerMm),
                     QPointF(line.To.X * unitsPerMm, line.To.Y * unitsPerMm));
}

void PaintText(QPainter& painter, const SheetText& text, double unitsPerMm) {
    const QString written = QString::fromUtf8(text.Text.data(), qsizetype(text.Text.size()));
    QFont font = SheetFont(painter, text.Size, unitsPerMm);
    painter.setPen(text.Grey ? SheetGreyColour : QColor(Qt::black));
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

QPageSize PaperOf(const SheetPage& page) {
    return QPageSize(QSizeF(page.Width, page.Height), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

} // namespace

void PaintSheetPage(QPainter& painter, const SheetPage& page, double unitsPerMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false); // grid lines crisp on every dot
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintGrid(painter, page.Grid, unitsPerMm);
    for (const SheetLine& line : page.Lines)
        PaintLine(painter, line, unitsPerMm);
    for (const SheetText& text : page.Texts)
        PaintText(painter, text, unitsPerMm);
    painter.restore();
}

bool PaintSheets(QPagedPaintDevice& device, const std::vector<SheetPage>& pages, QString* error) {
    if (pages.empty()) {
        if (error != nullptr)
            *error = QString::fromUtf8("нет ни одной страницы");
        return false;
    }
    device.setPageLayout(QPageLayout(PaperOf(pages.front()), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error != nullptr)
            *error = QString::fromUtf8("не удалось начать печать");
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.setPageSize(PaperOf(pages[i]));
            device.newPage();
        }
        // The device's own units: its dots per inch across, for a millimetre.
        PaintSheetPage(painter, pages[i], device.logicalDpiX() / MmPerInch);
    }
    return painter.end();
}

bool WriteSheetsPdf(const QString& path, const std::vector<SheetPage>& pages, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr)
            *error = QString::fromUtf8("не удалось открыть файл «%1» для записи: %2")
                         .arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("velmorand"));
        writer.setTitle(QString::fromUtf8("Листы для печати"));
        QString painted;
        if (!PaintSheets(writer, pages, &painted)) {
            file.cancelWriting();
            if (error != nullptr)
                *error = QString::fromUtf8("не удалось записать файл «%1»: %2").arg(path, painted);
            return false;
        }
    }
    if (!file.commit()) {
        if (error != nullptr)
            *error = QString::fromUtf8("не удалось записать файл «%1»: %2")
                         .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace velmorand
