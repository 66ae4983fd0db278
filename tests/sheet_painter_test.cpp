// The printed sheets' painter, on pictures at a known scale: the squared paper at its pitch in
// the palette's colour, lines that end where the page says, digits in the middle of their
// cells, texts kept to their room, the key's grey in the palette's grey; and the PDF writer's
// answer when a file cannot be written. The PDF itself is read back by the run of "velmorand
// --sheets" in e2e/.
#include "practice/sheet.h"
#include "qt/sheet_painter.h"
#include "qt/sheets_dialog.h"
#include "window/practice_look.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <tuple>
#include <vector>

using namespace velmorand;

namespace {

constexpr double DotsPerMm = 10;

QImage Painted(const PrintedPage& page) {
    QImage image(qRound(page.Width * DotsPerMm), qRound(page.Height * DotsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPrintedPage(painter, page, DotsPerMm);
    return image;
}

QColor Palette(Rgb rgb) { return QColor::fromRgb(QRgb(rgb)); }

bool IsGrid(QRgb dot) { return dot == Palette(PracticeColours.Squares).rgb(); }
bool IsInk(QRgb dot) { return qGray(dot) < 160; }

// The centres of the runs of dots that pass `is`, along a row or a column.
template <typename Is> std::vector<double> Runs(const QImage& image, bool row, int at, Is is) {
    std::vector<double> centres;
    const int length = row ? image.width() : image.height();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool on = i < length && is(row ? image.pixel(i, at) : image.pixel(at, i));
        if (on && start < 0)
            start = i;
        if (!on && start >= 0) {
            centres.push_back((start + i - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

// The smallest rectangle holding every dot that passes `is`.
template <typename Is> QRect Extent(const QImage& image, Is is) {
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

PrintedPage Blank(double width = 60, double height = 40) {
    PrintedPage page;
    page.Width = width;
    page.Height = height;
    return page;
}

} // namespace

class SheetPainterTest : public QObject {
    Q_OBJECT
private slots:
    void gridAtItsPitch();
    void linesEndWhereThePageSays();
    void digitsInTheMiddleOfTheirCells();
    void textsKeptToTheirRoom();
    void longestFooterFitsAtItsSize();
    void unwritableFileRefused();
    void dialogHasTheTablesControls();
};

// Every line of the squared paper, across and down, where its cells' edges are: Columns + 1
// lines Pitch apart from the origin, and none beyond; at 5 mm, at 10 mm and off the dots.
void SheetPainterTest::gridAtItsPitch() {
    for (const PrintedSquares& squares :
         {PrintedSquares{{5, 5}, 8, 5, 5}, PrintedSquares{{10, 5}, 4, 3, 10},
          PrintedSquares{{7.5, 3.3}, 6, 4, 5}}) {
        PrintedPage page = Blank();
        page.Squares = squares;
        const QImage image = Painted(page);
        const auto [x, y] = squares.Origin;
        const double pitch = squares.Pitch;
        const struct {
            bool Row;
            double Start;
            int Count;
            double Across; // where the row or column is measured: the first cell's middle
        } ways[] = {{true, x, squares.Columns, y + pitch / 2},
                    {false, y, squares.Rows, x + pitch / 2}};
        for (const auto& way : ways) {
            const std::vector<double> lines =
                Runs(image, way.Row, qRound(way.Across * DotsPerMm), IsGrid);
            QCOMPARE(int(lines.size()), way.Count + 1);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const double expected = (way.Start + double(i) * pitch) * DotsPerMm;
                QVERIFY2(qAbs(lines[i] - expected) <= 1,
                         qPrintable(QStringLiteral("line %1 at %2, not %3")
                                        .arg(i)
                                        .arg(lines[i])
                                        .arg(expected)));
            }
        }
    }
}

// Square ends that do not overrun: the ink covers From to To, Width thick, and no more, each
// edge within a dot of the rectangle in dots; grey lines in grey, others in black.
void SheetPainterTest::linesEndWhereThePageSays() {
    for (const auto& [line, expected] :
         {std::pair{PrintedLine{{10, 20}, {40, 20}, 1, false}, QRect(100, 195, 300, 10)},
          {PrintedLine{{30, 5}, {30, 35}, 0.6, false}, QRect(297, 50, 6, 300)},
          {PrintedLine{{5, 10}, {25, 10}, 2, true}, QRect(50, 90, 200, 20)}}) {
        PrintedPage page = Blank();
        page.Lines.push_back(line);
        const QImage image = Painted(page);
        const QRect ink = Extent(image, [](QRgb dot) { return dot != qRgb(255, 255, 255); });
        const QMargins dot(1, 1, 1, 1);
        QVERIFY2(ink.marginsAdded(dot).contains(expected) &&
                     expected.marginsAdded(dot).contains(ink),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
        QCOMPARE(QColor(image.pixel(ink.center())),
                 Palette(line.Grey ? PracticeColours.SheetGrey : PracticeColours.SheetInk));
    }
}

// The digit's ink centred in its cell both ways, within half a millimetre, and inside it.
void SheetPainterTest::digitsInTheMiddleOfTheirCells() {
    const struct {
        const char* Digit;
        PrintedRect Cell;
        double Size;
        bool Grey;
    } digits[] = {{"1", {10, 10, 5, 5}, 4, false},
                  {"7", {20, 15, 10, 10}, 8, false},
                  {"0", {33.3, 21.7, 5, 5}, 4, true}};
    for (const auto& [digit, cell, size, grey] : digits) {
        PrintedPage page = Blank();
        page.Texts.push_back(
            {.Text = digit, .InCell = true, .Cell = cell, .Size = size, .Grey = grey});
        const QImage image = Painted(page);
        const QRect ink = Extent(image, [](QRgb dot) { return qGray(dot) < 200; });
        QVERIFY(!ink.isEmpty());
        const QRectF box(cell.X * DotsPerMm, cell.Y * DotsPerMm, cell.Width * DotsPerMm,
                         cell.Height * DotsPerMm);
        const QPointF off = QRectF(ink).center() - box.center();
        QVERIFY2(
            qAbs(off.x()) <= DotsPerMm / 2 && qAbs(off.y()) <= DotsPerMm / 2,
            qPrintable(QStringLiteral("%1 dots off across, %2 down").arg(off.x()).arg(off.y())));
        QVERIFY(box.contains(QRectF(ink)));
        QVERIFY(ink.height() > size * DotsPerMm / 2); // drawn at its size, not a speck
        // The darkest dot: black for the pupil's digits, the key's grey for its worked columns.
        int darkest = 255;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                darkest = qMin(darkest, qGray(image.pixel(x, y)));
        QVERIFY2(grey ? qAbs(darkest - qGray(QRgb(PracticeColours.SheetGrey))) <= 8 : darkest < 40,
                 qPrintable(QString::number(darkest)));
    }
}

// A text starts at its X on its baseline and never runs past its Width: one that would is
// drawn smaller, one that fits at its size: in ample room, narrow and very narrow.
void SheetPainterTest::textsKeptToTheirRoom() {
    constexpr double X = 5, Baseline = 20, Size = 5;
    for (const auto& [text, width, shrunk] : {std::tuple{"Вариант 42", 40.0, false},
                                              {"7945 : 40 = 198 (ост. 25)", 20.0, true},
                                              {"Фамилия, имя", 6.0, true}}) {
        PrintedPage page = Blank();
        page.Texts.push_back(
            {.Text = text, .X = X, .Baseline = Baseline, .Width = width, .Size = Size});
        const QImage image = Painted(page);
        const QRect ink = Extent(image, IsInk);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() >= X * DotsPerMm - 1 && ink.left() <= (X + 1) * DotsPerMm,
                 qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.right() <= (X + width) * DotsPerMm + 1,
                 qPrintable(QString::number(ink.right())));
        // Letters stand on the baseline: only a comma or a bracket reaches a little below.
        QVERIFY2(qAbs(ink.bottom() - Baseline * DotsPerMm) <= Size * DotsPerMm / 4,
                 qPrintable(QString::number(ink.bottom())));
        // A capital or a digit at full size is about seven tenths of the em high.
        const double full = 0.7 * Size * DotsPerMm;
        const double high = Baseline * DotsPerMm - ink.top();
        QVERIFY2(shrunk ? high < full * 0.9 : qAbs(high - full) < full * 0.15,
                 qPrintable(QStringLiteral("%1 dots high").arg(high)));
    }
}

// The longest footer the sheets print (a level's longest name, the last variant, a key of
// several pages) is drawn in the printed font at its own size, inside the margins.
void SheetPainterTest::longestFooterFitsAtItsSize() {
    PrintedText footer;
    for (int level = 1; level <= LevelCount; ++level)
        for (const PrintedPage& page : MakePrintedSheets({level, MostVariant, 1, 40, true, false}))
            for (const PrintedText& text : page.Texts)
                if (text.Text.ends_with("Velmorand") &&
                    QString::fromStdString(text.Text).size() >
                        QString::fromStdString(footer.Text).size())
                    footer = text;
    QVERIFY(footer.Text.find("ответы, лист") != std::string::npos);
    PrintedPage page = Blank(210, 30);
    footer.Baseline = 20;
    page.Texts.push_back(footer);
    const QRect ink = Extent(Painted(page), IsInk);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.right() <= (footer.X + footer.Width) * DotsPerMm + 1,
             qPrintable(QString::number(ink.right())));
    const double full = 0.7 * footer.Size * DotsPerMm;
    const double high = footer.Baseline * DotsPerMm - ink.top();
    QVERIFY2(qAbs(high - full) < full * 0.15, qPrintable(QStringLiteral("%1 dots high").arg(high)));
}

// A file in a folder that is not there: refused with the reason, nothing written.
void SheetPainterTest::unwritableFileRefused() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("нет/карточки.pdf"));
    QString error;
    QVERIFY(!WritePrintedSheetsPdf(path, MakePrintedSheets({.Level = 3}), &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!QFile::exists(path));
    // A folder in the file's place, with an old file kept when nothing could be written.
    QVERIFY(!WritePrintedSheetsPdf(folder.path(), MakePrintedSheets({.Level = 3}), &error));
    QVERIFY(!WritePrintedSheetsPdf(folder.filePath(QStringLiteral("пусто.pdf")), {}, &error));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("пусто.pdf"))));
}

// The dialog walks the core's table: a control by each row's name, the choices begun as the
// core begins them, and the pages of those choices.
void SheetPainterTest::dialogHasTheTablesControls() {
    const SheetsDialog dialog(3, 7);
    for (const PrintedControl& row : PrintedControls())
        QVERIFY2(dialog.findChild<QWidget*>(QLatin1String(row.Name)) != nullptr, row.Name);
    QVERIFY(dialog.options() == PrintedSheetsOptions({.Level = 3, .Variant = 7}));
    QVERIFY(dialog.pages() == MakePrintedSheets(dialog.options()));
}

QTEST_MAIN(SheetPainterTest)
#include "sheet_painter_test.moc"
