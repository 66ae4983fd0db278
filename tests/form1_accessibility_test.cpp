// What a screen reader finds in the window: names, descriptions, roles and texts through
// QAccessible, the attribute runs of the fields and the notification that carries what is
// announced. Whether Orca says it is proven by the end-to-end run under Orca.
#include "qt/form1.h"
#include "qt_test_support.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"

#include <QLocale>

#include <map>
#include <memory>

using namespace velmorand;

class Form1AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlIsWhatTheTableSays();
    void fieldsReportOneAttributeRunOverTheirText();
    void fieldsPlaceTheCharactersInSight();
    void theWindowIsAFrameNamedByItsCaption();
    void noNameOrDescriptionHoldsPunctuationThatIsReadAloud();
    void theAnnouncerIsANotificationOffTheScreen();
    void announcementsDeliverWhatTheDescriptionSays();
    void thePictureShowsWhenItHasTheFocus();
    void linkLabelsAreLinksThatTheirPressActionOpensOnce();

private:
    QAccessibleInterface* accessible(const char* name) const {
        QWidget* widget = window_->findChild<QWidget*>(QLatin1String(name));
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }

    void typeInto(const char* name, const QString& keys) {
        Retype(Control<QLineEdit>(window_.get(), name), keys);
    }

    std::unique_ptr<Form1> window_;
    QStringList opened_; // the addresses handed to the browser
};

void Form1AccessibilityTest::init() {
    opened_.clear();
    window_ = std::make_unique<Form1>([this](const QString& address) { opened_ << address; });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void Form1AccessibilityTest::cleanup() { window_.reset(); }

// Every control as the table describes it, after a Run: its role, the name a screen reader
// says, what it is for and the text a field shows. Someone who drives the computer by voice
// says what they see ("click Run"): a button's name is its caption.
void Form1AccessibilityTest::everyControlIsWhatTheTableSays() {
    using R = QAccessible::Role;
    const std::map<ControlRole, R> roles{{ControlRole::EditableText, R::EditableText},
                                         {ControlRole::PushButton, R::Button},
                                         {ControlRole::StaticText, R::StaticText},
                                         {ControlRole::Link, R::Link},
                                         {ControlRole::Graphic, R::Graphic}};
    QTest::mouseClick(Control(window_.get(), "Command1"), Qt::LeftButton);
    for (const ControlRow& row : Form1Layout()) {
        if (row.Kind == ControlKind::Line) // drawn, and nothing to a screen reader
            continue;
        QAccessibleInterface* control = accessible(row.Name);
        QVERIFY2(control != nullptr, row.Name);
        QCOMPARE(control->role(), roles.at(RoleOf(row)));
        const auto* label = window_->findChild<QLabel*>(QLatin1String(row.Name));
        const QString shown = label ? label->text() : control->text(QAccessible::Value);
        if (row.Shows)
            QCOMPARE(shown, QString::fromStdString(FieldText(window_->worksheet(), *row.Shows)));
        const QString named = QString::fromStdString(SpokenNameOf(row, shown.toStdString()));
        if (row.Kind == ControlKind::Button)
            QCOMPARE(named, QString::fromUtf8(row.Caption));
        if (!named.isEmpty())
            QCOMPARE(control->text(QAccessible::Name), named);
        if (row.Accessible.Description != nullptr)
            QCOMPARE(control->text(QAccessible::Description),
                     QString::fromUtf8(row.Accessible.Description));
    }
}

// Qt 6.4's own line edit reports an empty run at every offset, and Orca then reads a field
// one character short: at the start, in the middle, on the last digit, at the end, in a field
// of one digit and in an empty one.
void Form1AccessibilityTest::fieldsReportOneAttributeRunOverTheirText() {
    for (const auto& [typed, offset] : {std::pair{QStringLiteral("234567"), 0},
                                        {QStringLiteral("234567"), 3},
                                        {QStringLiteral("234567"), 5},
                                        {QStringLiteral("234567"), 6},
                                        {QStringLiteral("7"), 0},
                                        {QString(), 0}}) {
        typeInto("Text15", typed);
        QAccessibleTextInterface* text = accessible("Text15")->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), typed.size());
        QCOMPARE(text->text(0, text->characterCount()), typed);
        int start = -1;
        int end = -1;
        text->attributes(offset, &start, &end);
        QVERIFY2(start == 0 && end == typed.size(),
                 qPrintable(typed + " at " + QString::number(offset)));
    }
    QVERIFY(accessible("Text15")->editableTextInterface() != nullptr);
}

// Orca's review finds a field's characters by their places on the screen.
void Form1AccessibilityTest::fieldsPlaceTheCharactersInSight() {
    auto* field = window_->findChild<QLineEdit*>("Text1");
    QAccessibleTextInterface* text = accessible("Text1")->textInterface();
    const QRect onScreen(field->mapToGlobal(QPoint(0, 0)), field->size());
    const QRect first = text->characterRect(0);
    const QRect last = text->characterRect(5);
    QVERIFY(onScreen.contains(first) && onScreen.contains(last));
    QVERIFY(first.right() < last.left());
    QCOMPARE(text->offsetAtPoint(last.center()), 5);
    QVERIFY(text->characterRect(6).isEmpty());
    // A pasted million digits: only the few in sight have a place.
    field->setText(QString(1'000'000, QLatin1Char('7')));
    field->repaint(); // the field scrolls to its cursor when it is drawn
    QVERIFY(text->characterRect(0).isEmpty());
    const int inSight = field->cursorPositionAt(field->rect().center());
    QVERIFY(inSight > 0);
    QVERIFY(onScreen.contains(text->characterRect(inSight)));
    int start = -1;
    int end = -1;
    text->attributes(500'000, &start, &end);
    QCOMPARE(end - start, 1'000'000);
}

// Orca announces a window of role Window as a frame with its name, and reads it as the title.
void Form1AccessibilityTest::theWindowIsAFrameNamedByItsCaption() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QString::fromUtf8(Form1SpokenCaption));
}

// Orca names ":" "(" ")" and "-" aloud; "," and "." are silent.
void Form1AccessibilityTest::noNameOrDescriptionHoldsPunctuationThatIsReadAloud() {
    const QRegularExpression spokenPunctuation(QStringLiteral("[:()\\-]"));
    QList<QAccessibleInterface*> tree{QAccessible::queryAccessibleInterface(window_.get())};
    int read = 0;
    while (!tree.isEmpty()) {
        QAccessibleInterface* node = tree.takeFirst();
        for (int i = 0; i < node->childCount(); ++i)
            tree.append(node->child(i));
        for (const auto t : {QAccessible::Name, QAccessible::Description}) {
            const QString said = node->text(t);
            QVERIFY2(!said.contains(spokenPunctuation), qPrintable(said));
        }
        ++read;
    }
    QCOMPARE(read, 1 + static_cast<int>(Form1Layout().size()));
}

// The announcer lives in the accessibility tree alone: no place on the screen, not among the
// window's children, so that neither Tab nor a screen reader's review meets it.
void Form1AccessibilityTest::theAnnouncerIsANotificationOffTheScreen() {
    QAccessibleInterface* notification = AnnouncerOf(window_.get());
    QVERIFY(notification != nullptr);
    QCOMPARE(notification->role(), QAccessible::Notification);
    QVERIFY(notification->rect().isEmpty());
    QVERIFY(!notification->state().invisible);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(notification->parent(), window);
    QCOMPARE(window->indexOfChild(notification), -1);
    QCOMPARE(notification->childCount(), 0);
}

// The notification carries what the window's description says each step announces, and only
// that: the same steps go through a worksheet of the test's own, and a step that announces
// nothing leaves the last announcement in place.
void Form1AccessibilityTest::announcementsDeliverWhatTheDescriptionSays() {
    QAccessibleInterface* notification = AnnouncerOf(window_.get());
    Worksheet shadow;
    QString expected;
    const auto hear = [&expected](const ActionResult& result) {
        if (!result.Announcement.empty())
            expected = QString::fromStdString(result.Announcement);
    };
    const auto type = [&](const char* name, const QString& keys) {
        typeInto(name, keys); // rubbed out first, then typed
        hear(Edit(shadow, *FindControl(name), ""));
        for (qsizetype typed = 1; typed <= keys.size(); ++typed)
            hear(Edit(shadow, *FindControl(name), keys.left(typed).toStdString()));
        QCOMPARE(notification->text(QAccessible::Name), expected);
    };
    const auto press = [&](const char* name, const char* focus) {
        auto* button = window_->findChild<QWidget*>(name);
        if (button->focusPolicy() != Qt::NoFocus)
            button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        hear(Act(shadow, *FindControl(name), QLocale::system().decimalPoint().toStdString()));
        QCOMPARE(notification->text(QAccessible::Name), expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focus));
    };
    type("Text1", QStringLiteral("2345678"));
    type("Text1", QStringLiteral("861"));
    type("Text15", QStringLiteral("7"));
    press("Command1", "Command1");
    type("Text15", QStringLiteral("0"));
    press("Command1", "Command1");
    const QString refused = expected;
    press("Command2", "Text1"); // Clear: the focus moves, which is what is heard
    QVERIFY(!refused.isEmpty() && expected == refused);
    QCOMPARE(window_->worksheet(), shadow);
    // The message line is named by the message it shows now.
    QCOMPARE(accessible("Label1")->text(QAccessible::Name),
             QString::fromStdString(SpokenNameOf(*FindControl("Label1"), shadow.Message)));
}

// A pupil who moves with Tab sees where the focus is on the picture too; without the focus
// the picture looks as it always did.
void Form1AccessibilityTest::thePictureShowsWhenItHasTheFocus() {
    auto* picture = window_->findChild<QWidget*>("Picture1");
    QCOMPARE(picture->focusPolicy(), Qt::StrongFocus);
    const QImage before = picture->grab().toImage();
    picture->setFocus();
    QVERIFY(picture->hasFocus());
    const QImage focused = picture->grab().toImage();
    window_->findChild<QWidget*>("Text1")->setFocus();
    QCOMPARE(picture->grab().toImage(), before);
    // The mark lies just inside the border, all the way round, and leaves the example alone.
    const QRect inside = picture->contentsRect();
    QVERIFY(focused.pixel(inside.left(), inside.center().y()) !=
            before.pixel(inside.left(), inside.center().y()));
    QVERIFY(focused.pixel(inside.center().x(), inside.bottom()) !=
            before.pixel(inside.center().x(), inside.bottom()));
    const QRect example = inside.adjusted(4, 4, -4, -4);
    QCOMPARE(focused.copy(example), before.copy(example));
    QCOMPARE(focused.copy(0, 0, focused.width(), 2), before.copy(0, 0, before.width(), 2));
}

// Every label of the table that opens a page is a link to a screen reader, and its press
// action, which a screen reader or voice control uses instead of the mouse, opens that page
// once. The link has no text interface: newer Orca would click one of its characters, whose
// place Qt's label does not give.
void Form1AccessibilityTest::linkLabelsAreLinksThatTheirPressActionOpensOnce() {
    const QString press = QAccessibleActionInterface::pressAction();
    int links = 0;
    for (const ControlRow& row : Form1Layout()) {
        if (RoleOf(row) != ControlRole::Link)
            continue;
        ++links;
        QAccessibleInterface* link = accessible(row.Name);
        QVERIFY2(link != nullptr, row.Name);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QString::fromUtf8(row.Accessible.Name));
        QVERIFY(link->textInterface() == nullptr);
        QAccessibleActionInterface* actions = link->actionInterface();
        QVERIFY2(actions != nullptr, row.Name);
        QCOMPARE(actions->actionNames().value(0), press);
        QCOMPARE(actions->localizedActionName(press), QString::fromUtf8(LinkActionName));
        opened_.clear();
        actions->doAction(press);
        QCoreApplication::processEvents();
        QCOMPARE(opened_, QStringList{QString::fromUtf8(row.Link)});
        // The other actions open nothing.
        for (const QString& other : actions->actionNames())
            if (other != press)
                actions->doAction(other);
        QCoreApplication::processEvents();
        QCOMPARE(opened_.size(), 1);
    }
    QVERIFY(links > 0);
}

QTEST_MAIN(Form1AccessibilityTest)
#include "form1_accessibility_test.moc"
