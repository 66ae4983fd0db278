// The class journal window on the offscreen platform: its controls walked from the class
// layout, pupils added with a real code, a mistyped one and none, the class remembered and
// forgotten in the settings, the spreadsheet and the printed pages. What each control must
// show is asked of the class journal, given the same input.
#include "practice/sheet.h"
#include "qt/class_chart.h"
#include "qt/class_window.h"
#include "qt/practice_window.h"
#include "qt_test_support.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPdfWriter>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using namespace velmorand;

class ClassWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { OpenProgramSettings()->clear(), open(); }
    void cleanup() { window_.reset(); }

    void controlsAreMadeFromTheLayout();
    void pupilsAreCountedRefusedOrMissing();
    void badInputEndsInTheJournalsMessage();
    void theClassIsRememberedUntilForgotten();
    void savedAndPrinted();

private:
    void open() {
        window_ = std::make_unique<ClassWindow>();
        QVERIFY(ShowActive(window_.get()));
    }
    template <class T = QWidget> T* control(const char* name) const {
        return Control<T>(window_.get(), name);
    }
    QString shown(const char* name) const { return control<QLabel>(name)->text(); }
    void type(const char* name, const QString& text) {
        Retype(control<QLineEdit>(name), text);
        QTest::keyClick(control(name), Qt::Key_Return);
    }
    // The same pupil added in the window and in `expected`.
    void add(const QString& name, const QString& code) {
        said_ = AddPupil(expected_, name.toStdString(), code.toStdString()).Announcement;
        control<QLineEdit>("PupilName")->setText(name);
        type("PupilCode", code);
    }
    // Each cell as shown, then as a screen reader is given it.
    QStringList rowOf(int row) const {
        QStringList cells;
        for (int column = 0; column < table()->columnCount(); ++column) {
            const QTableWidgetItem* item = table()->item(row, column);
            cells << item->text() << item->data(Qt::AccessibleTextRole).toString();
        }
        return cells;
    }
    QTableWidget* table() const { return control<QTableWidget>("ClassTable"); }
    void addTheClass();

    QTemporaryDir folder_;
    std::unique_ptr<ClassWindow> window_;
    ClassJournal expected_;
    QString code_;
    std::string said_; // the last pupil's announcement
};

void ClassWindowTest::initTestCase() {
    QVERIFY(folder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    QVERIFY(OpenProgramSettings()->fileName().startsWith(folder_.path()));
    WorkDone work{.Solved = 3, .FirstTry = 20, .Hints = 2};
    work.Mistakes[2] = 4;
    work.Mistakes[4] = 1;
    code_ = QString::fromStdString(ResultCode(SheetVariantProblems(5, 42), work));
}

// Three pupils of «5 42»: one with his code, one with it a character off, one without.
void ClassWindowTest::addTheClass() {
    expected_ = {};
    ChooseJournalProblems(expected_, "5 42");
    type("ClassSet", QStringLiteral("5 42"));
    QString mistyped = code_;
    mistyped[0] = mistyped[0] == u'0' ? u'1' : u'0';
    add(QString::fromUtf8("Иванов Петя"), code_);
    add(QString::fromUtf8("Петрова Аня"), mistyped);
    add(QString::fromUtf8("Сидоров Коля"), QString());
}

void ClassWindowTest::controlsAreMadeFromTheLayout() {
    QCOMPARE(window_->windowTitle(), QString::fromUtf8(ClassCaption));
    for (const ClassControl& c : ClassLayout())
        QVERIFY2(control(c.Name)->isVisible(), c.Name);
    const std::span<const JournalColumn> columns = JournalColumns();
    QCOMPARE(table()->columnCount(), int(columns.size()));
    for (int i = 0; i < int(columns.size()); ++i)
        QCOMPARE(table()->horizontalHeaderItem(i)->text(), QString::fromUtf8(columns[i].Header));
    QCOMPARE(control("ClassChart")->accessibleName(),
             QString::fromUtf8(FindClassControl("ClassChart")->Label));
}

void ClassWindowTest::pupilsAreCountedRefusedOrMissing() {
    addTheClass();
    QCOMPARE(table()->rowCount(), 3);
    QCOMPARE(expected_.Rows[0].State, RowState::Counted);
    QCOMPARE(expected_.Rows[1].State, RowState::Refused);
    for (int row = 0; row < 3; ++row) {
        QStringList cells;
        for (const JournalColumn& column : JournalColumns())
            cells << QString::fromStdString(column.Cell(expected_.Rows[std::size_t(row)]))
                  << QString::fromStdString(column.Said(expected_.Rows[std::size_t(row)]));
        QCOMPARE(rowOf(row), cells);
    }
    QVERIFY(rowOf(1)
                .at(rowOf(1).size() - 2)
                .contains(QString::fromStdString(expected_.Rows[1].Message)));
    QCOMPARE(shown("ClassMissing"), QString::fromStdString(MissingText(expected_)));
    QVERIFY(shown("ClassMissing").contains(QString::fromUtf8("Сидоров Коля")));
    QCOMPARE(shown("ClassTotals"), QString::fromStdString(TotalsText(TotalsOf(expected_))));
    QCOMPARE(control("ClassChart")->accessibleDescription(),
             QString::fromStdString(ChartText(TotalsOf(expected_))));
    QCOMPARE(AnnouncerOf(window_.get())->text(QAccessible::Name), QString::fromStdString(said_));
    QVERIFY(control<QLineEdit>("PupilName")->text().isEmpty());
}

// Whatever is typed or pasted, the window says what the journal says of it, and goes on.
void ClassWindowTest::badInputEndsInTheJournalsMessage() {
    addTheClass();
    QString lines;
    for (int i = 0; i < 1000; ++i)
        lines += QString::fromUtf8("Ученик %1\n").arg(i);
    const QString rows[] = {QString(1'000'000, u'Я'), QStringLiteral("\x01\x02\x1b[31m"), lines,
                            QString()};
    for (const QString& name : rows) {
        ClassJournal journal = expected_;
        const JournalChange change =
            AddPupil(journal, name.toStdString(), std::string(1'000'000, '7'));
        control<QLineEdit>("PupilName")->setText(name); // as pasted
        control<QLineEdit>("PupilCode")->setText(QString(1'000'000, u'7'));
        QTest::keyClick(control("PupilCode"), Qt::Key_Return);
        QCOMPARE(shown("ClassError"), QString::fromStdString(change.Message));
        QCOMPARE(table()->rowCount(), int(journal.Rows.size()));
        expected_ = journal;
    }
}

void ClassWindowTest::theClassIsRememberedUntilForgotten() {
    addTheClass();
    control("Remember")->setFocus();
    QTest::keyClick(control("Remember"), Qt::Key_Space);
    open();
    QCOMPARE(table()->rowCount(), 3);
    QCOMPARE(rowOf(0).first(), QString::fromUtf8("Иванов Петя"));
    QVERIFY(control<QCheckBox>("Remember")->isChecked());
    QTest::mouseClick(control("Forget"), Qt::LeftButton);
    QCOMPARE(table()->rowCount(), 0);
    QVERIFY(!control<QCheckBox>("Remember")->isChecked());
    QCOMPARE(AnnouncerOf(window_.get())->text(QAccessible::Name),
             QString::fromUtf8(ClassWords.Forgotten));
    open();
    QCOMPARE(table()->rowCount(), 0);
    OpenProgramSettings()->setValue(QLatin1String(JournalKey), QStringLiteral("velmorand-cl\n"));
    open();
    QCOMPARE(table()->rowCount(), 0);
    QVERIFY(!control<QCheckBox>("Remember")->isChecked());
}

void ClassWindowTest::savedAndPrinted() {
    addTheClass();
    const QString csv = folder_.filePath(QStringLiteral("Журнал.csv"));
    QString error;
    QVERIFY(WriteJournalCsv(csv, window_->journal(), &error));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.toStdString(), JournalCsv(window_->journal()));
    QVERIFY(!WriteJournalCsv(folder_.filePath(QStringLiteral("нет/Журнал.csv")), window_->journal(),
                             &error));
    QVERIFY(!error.isEmpty());

    // A full class runs over more than one A4 page.
    QString list;
    for (int i = 0; i < MostPupils - 3; ++i)
        list += QString::fromUtf8("Ученик %1%2 %3\n")
                    .arg(QChar(u'А' + i / 6), QChar(u'а' + i % 6), code_);
    QGuiApplication::clipboard()->setText(list);
    control("PupilName")->setFocus();
    QTest::keyClick(control("PupilName"), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(control("AddPupil"), Qt::LeftButton);
    QCOMPARE(table()->rowCount(), MostPupils);
    const QString pdf = folder_.filePath(QStringLiteral("journal.pdf"));
    {
        QPdfWriter writer(pdf);
        QVERIFY(PaintJournal(writer, window_->journal(), &error));
        QCOMPARE(writer.pageLayout().pageSize().id(), QPageSize::A4);
    }
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray document = printed.readAll();
    QVERIFY(document.startsWith("%PDF"));
    QVERIFY(document.count("/Type /Page\n") + document.count("/Type /Page\r") >= 2);
}

QTEST_MAIN(ClassWindowTest)
#include "class_window_test.moc"
