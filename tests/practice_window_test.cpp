// The practice window on the offscreen platform: its controls, a problem solved by typing,
// mistakes, hints, the next problem, the level and variant, the progress kept in the
// settings and the options it is started with. The right answers are worked out here by
// plain long division from the problem's numbers.
#include "practice/problems.h"
#include "practice/texts.h"
#include "qt/accessibility.h"
#include "qt/column_grid.h"
#include "qt/form1.h"
#include "qt/practice_window.h"
#include "qt/sheets_dialog.h"
#include "qt/start_window.h"
#include "window/practice_layout.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace velmorand;

namespace {

// The column worked by hand from the dividend's digits: the answer to each kind of question.
struct LongDivision {
    std::string digits;
    std::uint64_t divisor, next = 0, partial = 0, digit = 0, rest = 0;

    std::uint64_t answer(std::string_view step) {
        const std::uint64_t dividend = std::stoull(digits);
        if (step == "first") // the shortest beginning at least the divisor
            while (next == 0 || (partial < divisor && next < digits.size()))
                partial = partial * 10 + static_cast<std::uint64_t>(digits.at(next++) - '0');
        else if (step == "count")
            return std::to_string(dividend / divisor).size();
        else if (step == "digit")
            rest = partial - (digit = partial / divisor) * divisor;
        else if (step == "product")
            return digit * divisor;
        else if (step == "difference")
            return rest;
        else if (step == "bring")
            partial = rest * 10 + static_cast<std::uint64_t>(digits.at(next++) - '0');
        else if (step == "quotient")
            return dividend / divisor;
        else if (step == "remainder")
            return dividend % divisor;
        return step == "digit" ? digit : partial;
    }
};

LongDivision ByHand(const Problem& problem) {
    return {std::to_string(problem.Dividend), problem.Divisor};
}

// The digits written in a row of the grid from a column on, left to right.
QString RowDigits(const Grid& grid, int row, int fromColumn) {
    std::vector<GridCell> cells;
    for (const GridCell& cell : grid.Cells)
        if (cell.Row == row && cell.Column >= fromColumn)
            cells.push_back(cell);
    std::sort(cells.begin(), cells.end(),
              [](const GridCell& x, const GridCell& y) { return x.Column < y.Column; });
    QString digits;
    for (const GridCell& cell : cells)
        digits += QLatin1Char(cell.Digit);
    return digits;
}

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAreMadeFromTheLayout_data();
    void controlsAreMadeFromTheLayout();
    void aWholeProblemIsSolvedByTyping_data();
    void aWholeProblemIsSolvedByTyping();
    void aWrongAnswerIsNamedAndWritesNothing_data();
    void aWrongAnswerIsNamedAndWritesNothing();
    void hintsGoDeeperUpToTheThird_data();
    void hintsGoDeeperUpToTheThird();
    void nextGivesTheVariantsNextProblem();
    void levelIsChosenFromTheList();
    void variantIsTyped_data();
    void variantIsTyped();
    void progressIsKeptInTheSettings();
    void damagedProgressStartsFresh_data();
    void damagedProgressStartsFresh();
    void startOptionsChooseTheWindow_data();
    void startOptionsChooseTheWindow();
    void screenReadersReadTheColumnRowByRow();
    void theColumnGrowsWithTheWindow();
    void sheetsForTheClassAtThePupilsLevel_data();
    void sheetsForTheClassAtThePupilsLevel();

private:
    void open(int level, int variant);
    template <class T = QWidget> T* control(const char* name) const {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    QString labelText(const char* name) const { return control<QLabel>(name)->text(); }
    PracticeView view() const { return ViewOf(window_->session()); }
    // ColumnPaper has no Q_OBJECT of its own, which findChild asks for from Qt 6.8 on.
    ColumnPaper* paper() const { return dynamic_cast<ColumnPaper*>(control("Column")); }
    QString announced() const;
    void answer(const QString& typed);
    // Answers the current question right; the kind of the question asked.
    QString answerRight(LongDivision& division);
    void pressButton(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString storedProgress() const;

    QTemporaryDir settingsFolder_;
    std::unique_ptr<PracticeWindow> window_;
};

void PracticeWindowTest::initTestCase() {
    QVERIFY(settingsFolder_.isValid());
    // Never the user's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    const auto settings = OpenProgramSettings();
    QVERIFY2(settings->fileName().startsWith(settingsFolder_.path()),
             qPrintable(settings->fileName()));
}

void PracticeWindowTest::init() {
    OpenProgramSettings()->clear();
    open(5, 42);
}

void PracticeWindowTest::cleanup() { window_.reset(); }

void PracticeWindowTest::open(int level, int variant) {
    window_.reset();
    window_ = std::make_unique<PracticeWindow>(StartOptions{true, level, variant});
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

QString PracticeWindowTest::announced() const {
    for (QObject* child : window_->children())
        if (auto* found = dynamic_cast<Announcer*>(child))
            return QAccessible::queryAccessibleInterface(found)->text(QAccessible::Name);
    qFatal("no announcer");
}

void PracticeWindowTest::answer(const QString& typed) {
    auto* entry = control<QLineEdit>("Entry");
    entry->setFocus();
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
    QTest::keyClicks(entry, typed);
    QTest::keyClick(entry, Qt::Key_Return);
}

QString PracticeWindowTest::answerRight(LongDivision& division) {
    const QString step = QString::fromUtf8(view().Step.data(), view().Step.size());
    answer(QString::number(division.answer(view().Step)));
    return step;
}

QString PracticeWindowTest::storedProgress() const {
    return OpenProgramSettings()->value(QLatin1String(ProgressKey)).toString();
}

void PracticeWindowTest::controlsAreMadeFromTheLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("spoken"); // "" where the table's name is taken
    using R = QAccessible::Role;
    QTest::newRow("Level") << "Level" << R::ComboBox << "";
    QTest::newRow("Variant") << "Variant" << R::EditableText << "";
    QTest::newRow("Problem") << "Problem" << R::StaticText << "";
    QTest::newRow("Question") << "Question" << R::StaticText << "";
    QTest::newRow("Entry") << "Entry" << R::EditableText << "Ответ";
    QTest::newRow("Feedback") << "Feedback" << R::StaticText << "";
    QTest::newRow("Hint") << "Hint" << R::Button << "";
    QTest::newRow("Next") << "Next" << R::Button << "";
    QTest::newRow("Column") << "Column" << R::List << "";
}

void PracticeWindowTest::controlsAreMadeFromTheLayout() {
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, spoken);
    const PracticeControl* row = FindPracticeControl(name.toStdString());
    QVERIFY(row != nullptr);
    QWidget* widget = control(row->Name);
    QVERIFY(widget->isVisible());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->role(), role);
    if (spoken.isEmpty() && row->AccessibleName != nullptr)
        spoken = QString::fromUtf8(row->AccessibleName);
    if (spoken.isEmpty() && row->Caption != nullptr)
        spoken = QString::fromUtf8(row->Caption);
    if (role == QAccessible::ComboBox) { // named with its choice
        const QString choice = qobject_cast<QComboBox*>(widget)->currentText();
        QCOMPARE(accessible->text(QAccessible::Value), choice);
        QCOMPARE(accessible->text(QAccessible::Name), spoken + " " + choice);
        QVERIFY(accessible->relations(QAccessible::Label).isEmpty());
    } else if (!spoken.isEmpty()) {
        QCOMPARE(accessible->text(QAccessible::Name), spoken);
    } else // read by its text
        QCOMPARE(accessible->text(QAccessible::Name), qobject_cast<QLabel*>(widget)->text());
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), QString::fromUtf8(row->Caption));

    QCOMPARE(window_->windowTitle(), QString::fromUtf8(PracticeCaption));
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QString::fromUtf8(PracticeSpokenCaption));
}

void PracticeWindowTest::aWholeProblemIsSolvedByTyping_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("variant");
    for (const auto& [level, variant] :
         {std::pair{1, 1}, {2, 9}, {3, 4}, {4, 7}, {5, 42}, {6, 3}, {7, 11}, {8, 5}})
        QTest::addRow("level %d variant %d", level, variant) << level << variant;
}

void PracticeWindowTest::aWholeProblemIsSolvedByTyping() {
    QFETCH(int, level);
    QFETCH(int, variant);
    open(level, variant);
    const Problem problem = GenerateProblem(level, variant, 0);
    QCOMPARE(labelText("Problem"), QString::fromStdString(ProblemText(problem)));
    LongDivision division = ByHand(problem);
    auto* entry = control<QLineEdit>("Entry");
    const QString divisor = QString::number(problem.Divisor);
    const QString dividend = QString::number(problem.Dividend);
    // The dividend and divisor stand in the first row from the start.
    QCOMPARE(RowDigits(paper()->grid(), 0, 0), dividend + divisor);
    QStringList asked;
    std::size_t written = paper()->grid().Cells.size();
    for (int answers = 0; view().Step != "done"; ++answers) {
        QVERIFY2(answers < 200, "the problem never ends");
        // A screen reader says the question whenever the answer field gets the focus.
        QCOMPARE(QAccessible::queryAccessibleInterface(entry)->text(QAccessible::Description),
                 labelText("Question"));
        asked << answerRight(division);
        QVERIFY2(view().Mistake.empty(), qPrintable(asked.back() + ": " + labelText("Feedback")));
        QVERIFY2(entry->text().isEmpty(), "a right answer stays in the field");
        QVERIFY(paper()->grid().Cells.size() >= written);
        written = paper()->grid().Cells.size();
    }
    QCOMPARE(asked.front(), QStringLiteral("first"));
    QVERIFY(asked.contains("quotient"));
    QCOMPARE(asked.contains("remainder"), problem.Dividend % problem.Divisor != 0);
    // The quotient stands under the divisor's corner, every digit found.
    const QString quotient = QString::number(problem.Dividend / problem.Divisor);
    QCOMPARE(RowDigits(paper()->grid(), 1, static_cast<int>(dividend.size())), quotient);
    QCOMPARE(window_->findChild<QLabel*>("Answer")->text(),
             QString::fromStdString(AnswerLine(problem)));
    QVERIFY(paper()->grid().Current.empty());
    // Solved, and kept.
    const Progress stored = ProgressFromText(storedProgress().toStdString());
    QCOMPARE(stored.Levels[static_cast<std::size_t>(level - 1)].Solved, 1);
}

void PracticeWindowTest::aWrongAnswerIsNamedAndWritesNothing_data() {
    QTest::addColumn<int>("wrongBy"); // added to the right quotient digit; 0 for letters
    QTest::addColumn<QString>("mistake");
    QTest::newRow("digit too big") << 1 << "digit-too-big";
    QTest::newRow("digit too small") << -1 << "digit-too-small";
    QTest::newRow("letters") << 0 << "not-a-number";
}

void PracticeWindowTest::aWrongAnswerIsNamedAndWritesNothing() {
    QFETCH(int, wrongBy);
    QFETCH(QString, mistake);
    const Problem problem = window_->session().Current;
    LongDivision division = ByHand(problem);
    // Through the first and count questions to the first digit of the quotient.
    while (view().Step != "digit")
        answerRight(division);
    const std::uint64_t right = division.answer("digit");
    if (right + wrongBy > 9 || (wrongBy < 0 && right == 0))
        QSKIP("the first digit leaves no such wrong digit");
    const QString typed = wrongBy == 0 ? QStringLiteral("abc") : QString::number(right + wrongBy);
    const Grid before = paper()->grid();
    const QImage drawn = paper()->grab().toImage();
    const Step step = window_->session().Steps[window_->session().StepIndex];
    answer(typed);
    QCOMPARE(QString::fromUtf8(view().Mistake.data(), view().Mistake.size()), mistake);
    QCOMPARE(view().Step, std::string_view("digit"));
    const Mistake named = CheckAnswer(problem, step, typed.toStdString());
    QCOMPARE(labelText("Feedback"),
             QString::fromStdString(MistakeText(problem, step, named, typed.toStdString())));
    QVERIFY(!labelText("Feedback").isEmpty());
    QCOMPARE(paper()->grid().Cells, before.Cells);
    QCOMPARE(paper()->grid().Current, before.Current);
    QCOMPARE(paper()->grab().toImage(), drawn);
    // What was typed stays, selected, to be typed over.
    QCOMPARE(control<QLineEdit>("Entry")->selectedText(), typed);
    QVERIFY(!announced().isEmpty());
    // And the right digit is taken after it.
    answer(QString::number(right));
    QVERIFY(view().Mistake.empty());
    QVERIFY(paper()->grid().Cells.size() > before.Cells.size() ||
            !(paper()->grid().Cells == before.Cells));
}

void PracticeWindowTest::hintsGoDeeperUpToTheThird_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("shown");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("two") << 2 << 2;
    QTest::newRow("three") << 3 << 3;
    QTest::newRow("four, still the third") << 4 << 3;
}

void PracticeWindowTest::hintsGoDeeperUpToTheThird() {
    QFETCH(int, presses);
    QFETCH(int, shown);
    LongDivision division = ByHand(window_->session().Current);
    answerRight(division); // the hints of the second question
    const Grid before = paper()->grid();
    for (int i = 0; i < presses; ++i) {
        PracticeSession expected = window_->session();
        const PracticeResult said = AskHint(expected);
        pressButton("Hint");
        QCOMPARE(announced(), QString::fromStdString(said.Announcement));
    }
    const PracticeSession& session = window_->session();
    QCOMPARE(view().HintLevel, shown);
    QCOMPARE(labelText("Feedback"), QString::fromStdString(HintText(
                                        session.Current, session.Steps[session.StepIndex], shown)));
    QCOMPARE(paper()->grid().Cells, before.Cells);
    // The hint does not answer: the pupil still types it.
    QCOMPARE(session.StepIndex, std::size_t{1});
}

void PracticeWindowTest::nextGivesTheVariantsNextProblem() {
    LongDivision division = ByHand(window_->session().Current);
    answerRight(division);
    pressButton("Next");
    QCOMPARE(labelText("Problem"), QString::fromStdString(ProblemText(GenerateProblem(5, 42, 1))));
    QCOMPARE(view().Step, std::string_view("first"));
    QCOMPARE(RowDigits(paper()->grid(), 1, 0), QString()); // nothing written under it yet
    pressButton("Next");
    QCOMPARE(labelText("Problem"), QString::fromStdString(ProblemText(GenerateProblem(5, 42, 2))));
}

void PracticeWindowTest::levelIsChosenFromTheList() {
    auto* level = control<QComboBox>("Level");
    QCOMPARE(level->currentText(), QStringLiteral("5"));
    QCOMPARE(level->count(), LevelCount);
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Down);
    QCOMPARE(level->currentText(), QStringLiteral("6"));
    QCOMPARE(window_->session().Level, 6);
    QCOMPARE(labelText("Problem"), QString::fromStdString(ProblemText(GenerateProblem(6, 42, 0))));
    QTest::keyClick(level, Qt::Key_Home);
    QCOMPARE(labelText("Problem"), QString::fromStdString(ProblemText(GenerateProblem(1, 42, 0))));
    QCOMPARE(control<QLineEdit>("Variant")->text(), QStringLiteral("42"));
}

void PracticeWindowTest::variantIsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("variant"); // the variant in effect after it
    QTest::newRow("another") << "7" << 7;
    QTest::newRow("the last") << "999999" << 999999;
    QTest::newRow("zero") << "0" << 42;
    QTest::newRow("past the last") << "1000000" << 42;
    QTest::newRow("letters") << "abc" << 42;
    QTest::newRow("nothing") << "" << 42;
}

void PracticeWindowTest::variantIsTyped() {
    QFETCH(QString, typed);
    QFETCH(int, variant);
    auto* field = control<QLineEdit>("Variant");
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(window_->session().Variant, variant);
    QCOMPARE(field->text(), QString::number(variant));
    QCOMPARE(labelText("Problem"),
             QString::fromStdString(ProblemText(GenerateProblem(5, variant, 0))));
    if (variant == 42) // refused, and said so
        QVERIFY(!labelText("Feedback").isEmpty() && !announced().isEmpty());
}

void PracticeWindowTest::progressIsKeptInTheSettings() {
    open(1, 3);
    QCOMPARE(storedProgress(), QString());
    LongDivision division = ByHand(window_->session().Current);
    while (view().Step != "done")
        answerRight(division);
    const QString stored = storedProgress();
    QCOMPARE(stored, QString::fromStdString(ProgressText(window_->session().Kept)));
    QCOMPARE(ProgressFromText(stored.toStdString()).Levels[0].Solved, 1);
    // A new window, as on the next day, goes on from there.
    open(1, 3);
    QCOMPARE(window_->session().Kept.Levels[0].Solved, 1);
    QCOMPARE(window_->session().Kept, ProgressFromText(stored.toStdString()));
}

void PracticeWindowTest::damagedProgressStartsFresh_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("words") << "это не прогресс";
    QTest::newRow("brackets") << "{[(<";
    QTest::newRow("a huge number") << QString(5000, QLatin1Char('9'));
    QTest::newRow("control characters") << QString::fromLatin1("\x01\x02\x7f\n\t");
}

void PracticeWindowTest::damagedProgressStartsFresh() {
    QFETCH(QString, stored);
    OpenProgramSettings()->setValue(QLatin1String(ProgressKey), stored);
    open(1, 3);
    QCOMPARE(window_->session().Kept, Progress{});
    // Solving writes a sound record over the damaged one.
    LongDivision division = ByHand(window_->session().Current);
    while (view().Step != "done")
        answerRight(division);
    QCOMPARE(ProgressFromText(storedProgress().toStdString()).Levels[0].Solved, 1);
}

void PracticeWindowTest::startOptionsChooseTheWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("practice");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("variant");
    QTest::newRow("none") << QStringList{} << false << 0 << 0;
    QTest::newRow("practice") << QStringList{"--practice"} << true << 1 << 1;
    QTest::newRow("level and variant")
        << QStringList{"--practice", "--level", "5", "--variant", "42"} << true << 5 << 42;
    QTest::newRow("variant first") << QStringList{"--variant", "7", "--practice"} << true << 1 << 7;
    QTest::newRow("a level asks for practice") << QStringList{"--level", "5"} << true << 5 << 1;
    QTest::newRow("an unknown word") << QStringList{"--practise"} << false << 0 << 0;
}

void PracticeWindowTest::startOptionsChooseTheWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, practice);
    QFETCH(int, level);
    QFETCH(int, variant);
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    const std::vector<std::string_view> views(bytes.begin(), bytes.end());
    std::unique_ptr<QWidget> started = MakeStartWindow(views);
    auto* practiceWindow = dynamic_cast<PracticeWindow*>(started.get());
    QCOMPARE(practiceWindow != nullptr, practice);
    if (!practice) {
        QVERIFY(dynamic_cast<Form1*>(started.get()) != nullptr);
        return;
    }
    QCOMPARE(practiceWindow->session().Level, level);
    QCOMPARE(practiceWindow->session().Variant, variant);
    QCOMPARE(practiceWindow->findChild<QComboBox*>("Level")->currentText(), QString::number(level));
    QCOMPARE(practiceWindow->findChild<QLineEdit*>("Variant")->text(), QString::number(variant));
    QCOMPARE(practiceWindow->findChild<QLabel*>("Problem")->text(),
             QString::fromStdString(ProblemText(GenerateProblem(level, variant, 0))));
}

// The column is a list of its rows, each worded by the core, and moving through it with the
// keys moves the item a screen reader reads; each item has its place on the screen.
void PracticeWindowTest::screenReadersReadTheColumnRowByRow() {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(paper());
    LongDivision division = ByHand(window_->session().Current);
    for (int i = 0; i < 5; ++i)
        answerRight(division);
    const std::vector<std::string> rows = SpokenRows(paper()->grid());
    QCOMPARE(list->childCount(), static_cast<int>(rows.size()));
    QVERIFY(rows.size() > 2);
    const QRect onScreen(paper()->mapToGlobal(QPoint(0, 0)), paper()->size());
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* item = list->child(i);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->text(QAccessible::Name), QString::fromStdString(rows[std::size_t(i)]));
        QCOMPARE(item->parent(), list);
        QCOMPARE(list->indexOfChild(item), i);
        QVERIFY(onScreen.contains(item->rect()));
        QCOMPARE(list->childAt(item->rect().center().x(), item->rect().center().y()), item);
    }
    paper()->setFocus();
    for (const auto& [key, row] : {std::pair{Qt::Key_Home, 0},
                                   {Qt::Key_Down, 1},
                                   {Qt::Key_End, list->childCount() - 1},
                                   {Qt::Key_Up, list->childCount() - 2}}) {
        QTest::keyClick(paper(), key);
        QCOMPARE(list->focusChild(), list->child(row));
        QVERIFY(list->child(row)->state().focused &&
                !list->child(row == 0 ? 1 : 0)->state().focused);
    }
}

// The squares grow with the window, and on a classroom's 1920 by 1080 screen the digits are
// large.
void PracticeWindowTest::theColumnGrowsWithTheWindow() {
    window_->resize(800, 560);
    QTRY_COMPARE(window_->size(), QSize(800, 560));
    const int small = paper()->cellSize();
    window_->resize(1900, 1000);
    QTRY_COMPARE(window_->size(), QSize(1900, 1000));
    const int large = paper()->cellSize();
    QVERIFY2(large > small, qPrintable(QStringLiteral("%1 then %2").arg(small).arg(large)));
    QVERIFY2(large >= 64, qPrintable(QString::number(large)));
    // Every cell of the column is inside the widget.
    const Grid& grid = paper()->grid();
    QVERIFY(paper()->rect().contains(paper()->cellRect(grid.Rows - 1, grid.Columns - 1)));
    // The current answer's cells are highlighted.
    QVERIFY(!grid.Current.empty());
    const QImage drawn = paper()->grab().toImage();
    const QRect current = paper()->cellRect(grid.Current[0].Row, grid.Current[0].Column);
    const QColor inside = drawn.pixelColor(current.center() + QPoint(current.width() / 3, 0));
    const QColor blank = drawn.pixelColor(paper()->cellRect(grid.Rows, grid.Columns).center());
    QVERIFY2(inside != blank, qPrintable(inside.name() + " " + blank.name()));
}

void PracticeWindowTest::sheetsForTheClassAtThePupilsLevel_data() {
    QTest::addColumn<int>("variants");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<bool>("large");
    QTest::newRow("one, no key") << 1 << false << false;
    QTest::newRow("four with keys") << 4 << true << false;
    QTest::newRow("two, large cells, keys") << 2 << true << true;
}

// «Листы для печати» opens at the level and variant the pupil is on, after the pupil's own
// buttons in the Tab order; the preview shows a picture of every page the options make.
void PracticeWindowTest::sheetsForTheClassAtThePupilsLevel() {
    QFETCH(int, variants);
    QFETCH(bool, answers);
    QFETCH(bool, large);
    open(6, 1234);
    auto* button = control<QPushButton>("OpenSheets");
    QCOMPARE(control("Next")->nextInFocusChain(), button);
    PrintedSheetsOptions shown;
    int pictures = -1;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = dynamic_cast<SheetsDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        dialog->findChild<QSpinBox*>(QStringLiteral("SheetsVariants"))->setValue(variants);
        dialog->findChild<QCheckBox*>(QStringLiteral("SheetsAnswers"))->setChecked(answers);
        dialog->findChild<QCheckBox*>(QStringLiteral("SheetsLarge"))->setChecked(large);
        shown = dialog->options();
        pictures = 0;
        const auto* preview = dialog->findChild<QScrollArea*>(QStringLiteral("SheetsPreview"));
        for (const QLabel* label : preview->widget()->findChildren<QLabel*>())
            pictures += label->pixmap().isNull() ? 0 : 1;
        dialog->reject();
    });
    button->click();
    const PrintedSheetsOptions expected{
        .Level = 6, .Variant = 1234, .Variants = variants, .Answers = answers, .Large = large};
    QVERIFY(shown == expected);
    QCOMPARE(pictures, int(MakePrintedSheets(expected).size()));
    QCOMPARE(pictures, variants * (answers ? 2 : 1));
}

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
