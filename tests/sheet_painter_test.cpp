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

#include <vector>

Q_DECLARE_METATYPE(velmorand::PrintedLine)
Q_DECLARE_METATYPE(velmorand::PrintedRect)

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
    void gridAtItsPitch_data();
    void gridAtItsPitch();
    void linesEndWhereThePageSays_data();
    void linesEndWhereThePageSays();
    void digitsInTheMiddleOfTheirCells_data();
    void digitsInTheMiddleOfTheirCells();
    void textsKeptToTheirRoom_data();
    void textsKeptToTheirRoom();
    void unwritableFileRefused();
    void dialogHasTheTablesControls();
};

void SheetPainterTest::gridAtItsPitch_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("pitch");
    QTest::newRow("5 mm") << 5.0 << 5.0 << 8 << 5 << 5.0;
    QTest::newRow("10 mm") << 10.0 << 5.0 << 4 << 3 << 10.0;
    QTest::newRow("off the dots") << 7.5 << 3.3 << 6 << 4 << 5.0;
}

// Every line of the squared paper, across and down, where its cells' edges are: Columns + 1
// lines Pitch apart from the origin, and none beyond.
void SheetPainterTest::gridAtItsPitch() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(double, pitch);
    PrintedPage page = Blank();
    page.Squares = {{x, y}, columns, rows, pitch};
    const QImage image = Painted(page);
    const struct {
        bool Row;
        double Start;
        int Count;
        double Across; // where the row or column is measured: the first cell's middle
    } ways[] = {{true, x, columns, y + pitch / 2}, {false, y, rows, x + pitch / 2}};
    for (const auto& way : ways) {
        const std::vector<double> lines =
            Runs(image, way.Row, qRound(way.Across * DotsPerMm), IsGrid);
        QCOMPARE(int(lines.size()), way.Count + 1);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const double expected = (way.Start + double(i) * pitch) * DotsPerMm;
            QVERIFY2(
                qAbs(lines[i] - expected) <= 1,
                qPrintable(
                    QStringLiteral("line %1 at %2, not %3").arg(i).arg(lines[i]).arg(expected)));
        }
    }
}

void SheetPainterTest::linesEndWhereThePageSays_data() {
    QTest::addColumn<PrintedLine>("line");
    QTest::addColumn<QRect>("expected"); // in dots
    QTest::newRow("across") << PrintedLine{{10, 20}, {40, 20}, 1, false}
                            << QRect(100, 195, 300, 10);
    QTest::newRow("down") << PrintedLine{{30, 5}, {30, 35}, 0.6, false} << QRect(297, 50, 6, 300);
    QTest::newRow("grey") << PrintedLine{{5, 10}, {25, 10}, 2, true} << QRect(50, 90, 200, 20);
}

// Square ends that do not overrun: the ink covers From to To, Width thick, and no more; grey
// lines in grey, others in black.
void SheetPainterTest::linesEndWhereThePageSays() {
    QFETCH(PrintedLine, line);
    QFETCH(QRect, expected);
    PrintedPage page = Blank();
    page.Lines.push_back(line);
    const QImage image = Painted(page);
    const QRect ink = Extent(image, [](QRgb dot) { return dot != qRgb(255, 255, 255); });
    QVERIFY2(qAbs(ink.left() - expected.left()) <= 1 && qAbs(ink.right() - expected.right()) <= 1 &&
                 qAbs(ink.top() - expected.top()) <= 1 &&
                 qAbs(ink.bottom() - expected.bottom()) <= 1,
             qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())));
    const QRgb middle = image.pixel(ink.center());
    QCOMPARE(QColor(middle),
             Palette(line.Grey ? PracticeColours.SheetGrey : PracticeColours.SheetInk));
}

void SheetPainterTest::digitsInTheMiddleOfTheirCells_data() {
    QTest::addColumn<QString>("digit");
    QTest::addColumn<PrintedRect>("cell");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("grey");
    QTest::newRow("1 in 5 mm") << "1" << PrintedRect{10, 10, 5, 5} << 4.0 << false;
    QTest::newRow("7 in 10 mm") << "7" << PrintedRect{20, 15, 10, 10} << 8.0 << false;
    QTest::newRow("0 grey") << "0" << PrintedRect{33.3, 21.7, 5, 5} << 4.0 << true;
}

// The digit's ink centred in its cell both ways, within half a millimetre, and inside it.
void SheetPainterTest::digitsInTheMiddleOfTheirCells() {
    QFETCH(QString, digit);
    QFETCH(PrintedRect, cell);
    QFETCH(double, size);
    QFETCH(bool, grey);
    PrintedPage page = Blank();
    page.Texts.push_back(
        {.Text = digit.toStdString(), .InCell = true, .Cell = cell, .Size = size, .Grey = grey});
    const QImage image = Painted(page);
    const QRect ink = Extent(image, [](QRgb dot) { return qGray(dot) < 200; });
    QVERIFY(!ink.isEmpty());
    const QRectF box(cell.X * DotsPerMm, cell.Y * DotsPerMm, cell.Width * DotsPerMm,
                     cell.Height * DotsPerMm);
    const QPointF off = QRectF(ink).center() - box.center();
    QVERIFY2(qAbs(off.x()) <= DotsPerMm / 2 && qAbs(off.y()) <= DotsPerMm / 2,
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

void SheetPainterTest::textsKeptToTheirRoom_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("ample room") << "Вариант 42" << 40.0 << false;
    QTest::newRow("narrow") << "7945 : 40 = 198 (ост. 25)" << 20.0 << true;
    QTest::newRow("very narrow") << "Фамилия, имя" << 6.0 << true;
}

// A text starts at its X on its baseline and never runs past its Width: one that would is
// drawn smaller, one that fits at its size.
void SheetPainterTest::textsKeptToTheirRoom() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(bool, shrunk);
    constexpr double X = 5, Baseline = 20, Size = 5;
    PrintedPage page = Blank();
    page.Texts.push_back(
        {.Text = text.toStdString(), .X = X, .Baseline = Baseline, .Width = width, .Size = Size});
    const QImage image = Painted(page);
    const QRect ink = Extent(image, IsInk);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= X * DotsPerMm - 1 && ink.left() <= (X + 1) * DotsPerMm,
             qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.right() <= (X + width) * DotsPerMm + 1, qPrintable(QString::number(ink.right())));
    // Letters stand on the baseline: only a comma or a bracket reaches a little below.
    QVERIFY2(qAbs(ink.bottom() - Baseline * DotsPerMm) <= Size * DotsPerMm / 4,
             qPrintable(QString::number(ink.bottom())));
    // A capital or a digit at full size is about seven tenths of the em high.
    const double full = 0.7 * Size * DotsPerMm;
    const double high = Baseline * DotsPerMm - ink.top();
    QVERIFY2(shrunk ? high < full * 0.9 : qAbs(high - full) < full * 0.15,
             qPrintable(QStringLiteral("%1 dots high").arg(high)));
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
