// The window on the offscreen platform: its controls, typing, the buttons and the links.
#include "qt/form1.h"
#include "qt/widget_helpers.h"
#include "qt_test_support.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "window/link_addresses.h"

#include <QEventLoop>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace velmorand;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsAreBuiltFromTheLayoutTable();
    void tabKeyFollowsTheDesignedOrder();
    void startsWithItsCaptionIconAndFocus();
    void eachEditAndClickShowsTheWorksheet();
    void linksOpenTheirAddresses();
    void aDoubleClickOnALinkOpensItOnce();
    void exitLeavesTheEventLoopWithStatusZero();
    void stepRowsKeepTheColumnAligned();
    void fractionalPartFollowsTheLocale();

private:
    QWidget* control(const char* name) const { return Control(window_.get(), name); }
    QString text(const char* name) const { return Control<QLineEdit>(window_.get(), name)->text(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    // Through the window system, which turns the second press into a double click.
    void doubleClick(const char* name) {
        QWidget* widget = control(name);
        const QPoint centre = widget->mapTo(window_.get(), widget->rect().center());
        QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, centre);
    }

    std::unique_ptr<Form1> window_;
    QStringList opened_;
};

void Form1Test::init() {
    opened_.clear();
    window_ = std::make_unique<Form1>([this](const QString& address) { opened_ << address; });
    QVERIFY(ShowActive(window_.get()));
}

void Form1Test::cleanup() { window_.reset(); }

// Every control as the table has it: where it stands, in pixels at 96 dpi, which Qt scales
// itself; its caption, tip, font, colours, cursor and alignment; the picture at its size.
void Form1Test::controlsAreBuiltFromTheLayoutTable() {
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->size(),
             QSize(TwipsToPixels(ClientWidthTwips, 96), TwipsToPixels(ClientHeightTwips, 96)));
    QCOMPARE(window_->palette().color(QPalette::Window), ColourOf(WindowBackground));
    for (const ControlRow& row : Form1Layout()) {
        QWidget* widget = control(row.Name);
        QVERIFY2(widget->isVisible(), row.Name);
        const PixelRect p = PlaceInPixels(row, 96);
        QCOMPARE(widget->geometry(), QRect(p.Left, p.Top, p.Width, p.Height));
        if (row.Caption != nullptr) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const QString caption =
                label ? label->text() : qobject_cast<QPushButton*>(widget)->text();
            QCOMPARE(caption, QString::fromUtf8(row.Caption));
        }
        QCOMPARE(widget->toolTip(), QString::fromUtf8(row.ToolTip));
        const double points = row.Font.Points > 0 ? row.Font.Points : WindowPoints;
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), row.Font.Bold);
        if (row.TextColor)
            QCOMPARE(widget->palette().color(QPalette::WindowText), ColourOf(*row.TextColor));
        // Without a background of its own a control shows the window's.
        const std::optional<Rgb> fill = row.Background ? row.Background : row.Fill;
        QCOMPARE(widget->autoFillBackground(), fill.has_value());
        if (fill)
            QCOMPARE(widget->palette().color(QPalette::Window), ColourOf(*fill));
        QCOMPARE(widget->cursor().shape() == Qt::PointingHandCursor,
                 RoleOf(row) == ControlRole::Link);
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(field->alignment().testFlag(Qt::AlignHCenter), row.Centered);
            QCOMPARE(field->focusPolicy(), Qt::StrongFocus);
        }
    }
    const auto* picture = Control<QLabel>(window_.get(), "Picture1");
    QCOMPARE(picture->pixmap().deviceIndependentSize(),
             QSizeF(PictureWidthPixels, PictureHeightPixels));
    QCOMPARE(picture->frameWidth(), PictureBorderPixels);
}

void Form1Test::tabKeyFollowsTheDesignedOrder() {
    QStringList expected;
    for (const ControlRow& row : Form1Layout())
        if (TakesFocus(row))
            expected << row.Name;
    expected.move(0, expected.size() - 1);
    control(Form1Layout().front().Name)->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void Form1Test::startsWithItsCaptionIconAndFocus() {
    QCOMPARE(window_->windowTitle(), QString::fromUtf8(Form1Caption)); // with its version
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(FirstFocus().Name));
}

// After every edit and click the window shows the worksheet the window's actions make: a
// worksheet of the test's own goes through the same steps, and every field, the message and
// Run's visibility follow it; where an action moves the focus, it moves.
void Form1Test::eachEditAndClickShowsTheWorksheet() {
    Worksheet shadow;
    const auto shows = [&](const QString& after) {
        const QString unshown = Unshown(window_.get(), shadow);
        QVERIFY2(unshown.isEmpty(), qPrintable(after + ": " + unshown));
    };
    const auto type = [&](const char* name, const QString& typed) {
        const ControlRow& row = *FindControl(name);
        Edit(shadow, row, "");
        for (qsizetype length = 1; length <= typed.size(); ++length)
            Edit(shadow, row, typed.left(length).toStdString());
        Retype(Control<QLineEdit>(window_.get(), name), typed);
        shows(QStringLiteral("typing %1 into %2").arg(typed, name));
    };
    const auto press = [&](const char* name) {
        const ActionResult result =
            Act(shadow, *FindControl(name), QLocale::system().decimalPoint().toStdString());
        click(name);
        shows(QStringLiteral("clicking %1").arg(name));
        if (result.Focus)
            QCOMPARE(QApplication::focusWidget(), control(ControlShowing(*result.Focus)->Name));
    };
    shows(QStringLiteral("the start"));
    type("Text1", QStringLiteral("1234567"));
    QTest::keyClick(control("Text1"), Qt::Key_Backspace);
    Edit(shadow, *FindControl("Text1"), "123456");
    shows(QStringLiteral("a digit rubbed out"));
    type("Text15", QStringLiteral("1234567"));
    type("Text15", QStringLiteral("ёж"));
    type("Text3", QStringLiteral("12345678"));
    type("Text15", QStringLiteral("14"));
    press("Command1");
    control("Text17")->setFocus();
    press("Command2");
    press("Command1");
    QCOMPARE(window_->worksheet(), shadow);
}

void Form1Test::linksOpenTheirAddresses() {
    click("Command4");
    click("Label8");
    click("Label9");
    click("Label7"); // an ordinary label does nothing
    // Pressed on a link but released away from it is no click.
    QWidget* link = control("Label9");
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(opened_, QStringList({CatalogueAddress, PaperGamesAddress, EnglishAddress}));
}

void Form1Test::aDoubleClickOnALinkOpensItOnce() {
    doubleClick("Label8");
    QCOMPARE(opened_, QStringList({PaperGamesAddress}));
    doubleClick("Label9");
    click("Label9"); // a click after the double click is a click of its own
    QCOMPARE(opened_, QStringList({PaperGamesAddress, EnglishAddress, EnglishAddress}));
}

void Form1Test::exitLeavesTheEventLoopWithStatusZero() {
    QEventLoop loop;
    QTimer::singleShot(0, this, [this] { click("Command3"); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    QCOMPARE(text("Text1"), QStringLiteral("234567"));
}

// Each step moves two spaces to the right, meant as one digit: in the rows' font as
// resolved here, and at twice the size as on a 2x screen.
void Form1Test::stepRowsKeepTheColumnAligned() {
    for (std::size_t row = 0; row < ColumnRowCount; ++row) {
        const QFont font = control(ControlShowing(ColumnRowField(row))->Name)->font();
        QFont doubled = font;
        doubled.setPixelSize(QFontInfo(font).pixelSize() * 2);
        for (const QFont& f : {font, doubled}) {
            const QFontMetrics metrics(f);
            QCOMPARE(metrics.horizontalAdvance("  "), metrics.horizontalAdvance("0"));
            QCOMPARE(metrics.horizontalAdvance(QString(12, ' ')),
                     metrics.horizontalAdvance("000000"));
            QCOMPARE(metrics.horizontalAdvance("  1"), metrics.horizontalAdvance("01"));
        }
    }
    const QString family =
        QFontInfo(control(ControlShowing(ColumnRowField(0))->Name)->font()).family();
    QVERIFY2(family == "Liberation Sans" || family == "MS Sans Serif", qPrintable(family));
}

// The separator is the system locale's, which Qt reads from LC_ALL, LC_NUMERIC or LANG. The
// runs pinned to a Russian and to the C locale check that it really follows them.
void Form1Test::fractionalPartFollowsTheLocale() {
    const QString separator = QLocale::system().decimalPoint();
    const QString pinned = qEnvironmentVariable("VELMORAND_EXPECTED_SEPARATOR");
    if (!pinned.isEmpty())
        QCOMPARE(separator, pinned);
    click("Command1");
    QCOMPARE(text("Text17"), "0" + separator + "785714285714286");
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
