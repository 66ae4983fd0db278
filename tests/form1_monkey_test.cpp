// Thousands of random keystrokes, pastes and clicks on the window with a fixed seed. The
// program must never crash, the widgets must always show the worksheet, and every Run on
// plain digits must divide exactly.
#include "qt/form1.h"
#include "qt_test_support.h"
#include "window/form1_layout.h"

#include <QClipboard>

#include <random>
#include <vector>

using namespace velmorand;

class Form1MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomTypingAndClicksKeepTheWorksheetSane();

private:
    QString randomText(int length);
    QString randomDigits();
    bool checkDivision(const Form1& window);

    std::mt19937 random_{20261207};
};

QString Form1MonkeyTest::randomText(int length) {
    static const QString pool = QStringLiteral("0123456789012345678901234567890123456789"
                                               " \t+-.,eE&HhOoDdабвгдёжЖЯxyz");
    QString text;
    for (int i = 0; i < length; ++i)
        text += pool[std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(random_)];
    return text;
}

// One to six digits, as many as the digit checks let Run divide.
QString Form1MonkeyTest::randomDigits() {
    QString digits;
    const int length = std::uniform_int_distribution<int>(1, 6)(random_);
    for (int i = 0; i < length; ++i)
        digits += QChar('0' + std::uniform_int_distribution<int>(0, 9)(random_));
    return digits;
}

bool IsPlainDigits(const std::string& text) {
    return !text.empty() && text.size() <= 15 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// Whether the run was on plain digits, and so could be checked.
bool Form1MonkeyTest::checkDivision(const Form1& window) {
    const Worksheet& sheet = window.worksheet();
    if (!IsPlainDigits(sheet.Dividend) || !IsPlainDigits(sheet.Divisor) ||
        std::stoll(sheet.Divisor) == 0)
        return false;
    const long long dividend = std::stoll(sheet.Dividend);
    const long long divisor = std::stoll(sheet.Divisor);
    [&] {
        QCOMPARE(std::stoll(sheet.Quotient) * divisor + std::stoll(sheet.Remainder), dividend);
    }();
    return true;
}

void Form1MonkeyTest::randomTypingAndClicksKeepTheWorksheetSane() {
    QStringList opened;
    Form1 window([&opened](const QString& address) { opened << address; });
    QVERIFY(ShowActive(&window));

    std::vector<QLineEdit*> fields;
    std::vector<QWidget*> clickable;
    for (const ControlRow& row : Form1Layout()) {
        QWidget* control = Control(&window, row.Name);
        if (row.Action == ControlAction::Exit)
            continue; // ending the program is tested on its own
        clickable.push_back(control);
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            fields.push_back(field);
            if (row.Shows == WorksheetField::Dividend || row.Shows == WorksheetField::Divisor)
                fields.insert(fields.end(), 4, field); // the inputs get most of the typing
        }
    }
    QWidget* run = Control(&window, "Command1");
    auto* dividend = Control<QLineEdit>(&window, ControlShowing(WorksheetField::Dividend)->Name);
    auto* divisor = Control<QLineEdit>(&window, ControlShowing(WorksheetField::Divisor)->Name);
    const auto pick = [this](const auto& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random_)];
    };

    int runs = 0;
    int divisionsChecked = 0;
    for (int step = 0; step < 6000; ++step) {
        QLineEdit* field = pick(fields);
        switch (std::uniform_int_distribution<int>(0, 9)(random_)) {
        case 0:
        case 1:
        case 2:
            field->setFocus();
            TypeText(field, randomText(std::uniform_int_distribution<int>(1, 4)(random_)));
            break;
        case 3:
            QTest::keyClick(field, Qt::Key_Backspace);
            break;
        case 4:
            QApplication::clipboard()->setText(
                randomText(std::uniform_int_distribution<int>(0, 1)(random_) ? 12 : 3000));
            QTest::keySequence(field, QKeySequence::Paste);
            break;
        case 5:
            QTest::keySequence(field, QKeySequence::SelectAll);
            QTest::keyClick(field, Qt::Key_Delete);
            break;
        case 6:
            QTest::keySequence(field, QKeySequence::Undo);
            break;
        case 7:
            QTest::mouseClick(pick(clickable), Qt::LeftButton);
            break;
        case 8: // a division a pupil would set: digits alone in both inputs, then Run
            for (QLineEdit* input : {dividend, divisor}) {
                QTest::keySequence(input, QKeySequence::SelectAll);
                TypeText(input, randomDigits());
            }
            [[fallthrough]];
        case 9:
            if (run->isVisible()) {
                QTest::mouseClick(run, Qt::LeftButton);
                ++runs;
                divisionsChecked += checkDivision(window) ? 1 : 0;
            }
            break;
        }
        const QString unshown = Unshown(&window, window.worksheet());
        if (!unshown.isEmpty() || QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after step %1: %2").arg(step).arg(unshown)));
    }
    QVERIFY(runs > 500);
    qInfo("%d runs, %d of them on plain digits and checked", runs, divisionsChecked);
    QVERIFY(divisionsChecked >= 300);
    QVERIFY(!opened.isEmpty());
}

QTEST_MAIN(Form1MonkeyTest)
#include "form1_monkey_test.moc"
