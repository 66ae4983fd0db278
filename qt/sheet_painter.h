// Draws the printed sheets that practice/sheet.h describes, with a QPainter, on any paint
// device: the PDF writer, the printer, or a picture for the preview. Everything drawn, and
// where, comes from the page, and what it is drawn in from the palette of
// window/practice_look.h; this only turns millimetres into the device's units.
#pragma once

#include "practice/sheet.h"

#include <QColor>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace velmorand {

// Draws the page with its top-left corner at the painter's origin, `unitsPerMm` device units to
// the millimetre. The background is left as it is: paper, or what the caller filled.
void PaintPrintedPage(QPainter& painter, const PrintedPage& page, double unitsPerMm);

// Every page onto a paged device (a QPdfWriter or a QPrinter) set to the pages' paper with no
// margins, one page each. False, with the reason, when the device could not be painted on.
bool PaintPrintedSheets(QPagedPaintDevice& device, const std::vector<PrintedPage>& pages,
                        QString* error);

// The pages as a PDF file at `path`, written whole or not at all (an old file of that name
// stays as it was when writing fails). False, with the reason in Russian, when it could not be
// written.
bool WritePrintedSheetsPdf(const QString& path, const std::vector<PrintedPage>& pages,
                           QString* error);

} // namespace velmorand
