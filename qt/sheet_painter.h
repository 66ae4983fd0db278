// Draws the printed worksheets that practice/sheet.h describes, with a QPainter, on any paint
// device: the PDF writer, the printer, or a picture for the preview. Everything drawn, and
// where, comes from the page; this only turns millimetres into the device's units.
#pragma once

#include "practice/sheet.h"

#include <QColor>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace velmorand {

// The font every text of the sheets is written in; the PDF embeds it.
inline constexpr char SheetFontFamily[] = "Liberation Sans";
// The squared paper's lines, faint under the digits, and the key's worked columns.
inline constexpr QColor SheetGridColour{0xA6, 0xC8, 0xE6};
inline constexpr QColor SheetGreyColour{0x80, 0x80, 0x80};

// Draws the page with its top-left corner at the painter's origin, `unitsPerMm` device units to
// the millimetre. The background is left as it is: paper, or what the caller filled.
void PaintSheetPage(QPainter& painter, const SheetPage& page, double unitsPerMm);

// Every page onto a paged device (a QPdfWriter or a QPrinter) set to the pages' paper with no
// margins, one page each. False, with the reason, when the device could not be painted on.
bool PaintSheets(QPagedPaintDevice& device, const std::vector<SheetPage>& pages, QString* error);

// The pages as a PDF file at `path`, written whole or not at all (an old file of that name
// stays as it was when writing fails). False, with the reason in Russian, when it could not be
// written.
bool WriteSheetsPdf(const QString& path, const std::vector<SheetPage>& pages, QString* error);

} // namespace velmorand
