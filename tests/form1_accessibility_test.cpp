// What a screen reader finds in the window: names, descriptions, roles and texts through
// QAccessible, and the new message announced as the pupil types.
#include "qt/form1.h"
#include "window/form1_layout.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

using namespace velmorand;

class Form1AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlHasANameAndARussianDescription_data();
    void everyControlHasANameAndARussianDescription();
    void buttonNamesHoldTheirCaptions();
    void fieldsExposeTheirTexts();
    void aNewMessageIsAnnounced();

private:
    QAccessibleInterface* accessible(const char* name) const {
        QWidget* widget = window_->findChild<QWidget*>(QLatin1String(name));
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }

    std::unique_ptr<Form1> window_;
};

// Events seen by the update handler while a test watches.
static QList<std::pair<QAccessible::Event, QString>> announced;

void Form1AccessibilityTest::init() {
    window_ = std::make_unique<Form1>([](const QString&) {});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void Form1AccessibilityTest::cleanup() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    window_.reset();
}

void Form1AccessibilityTest::everyControlHasANameAndARussianDescription_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    using R = QAccessible::Role;
    QTest::newRow("dividend") << "Text1"
                              << "Делимое" << R::EditableText;
    QTest::newRow("divisor") << "Text15"
                             << "Делитель" << R::EditableText;
    QTest::newRow("quotient") << "Text16"
                              << "Результат (целое)" << R::EditableText;
    QTest::newRow("fractional part") << "Text17"
                                     << "Остаток" << R::EditableText;
    QTest::newRow("numerator") << "Text18"
                               << "Остаток: числитель" << R::EditableText;
    QTest::newRow("denominator") << "Text19"
                                 << "Остаток: знаменатель" << R::EditableText;
    QTest::newRow("top step row") << "Text2"
                                  << "Строка столбика 1" << R::EditableText;
    QTest::newRow("last step row") << "Text14"
                                   << "Строка столбика 13" << R::EditableText;
    QTest::newRow("Run") << "Command1"
                         << "Run" << R::Button;
    QTest::newRow("Clear") << "Command2"
                           << "Clear" << R::Button;
    QTest::newRow("Exit") << "Command3"
                          << "Exit" << R::Button;
    QTest::newRow("Load") << "Command4"
                          << "Load" << R::Button;
    QTest::newRow("paper games") << "Label8"
                                 << "Игры из бумаги" << R::StaticText;
    QTest::newRow("English") << "Label9"
                             << "Английский язык" << R::StaticText;
    QTest::newRow("picture") << "Picture1"
                             << "Пример: 861 разделить на 7 в столбик, получится 123" << R::Graphic;
}

void Form1AccessibilityTest::everyControlHasANameAndARussianDescription() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface* interface = accessible(control.toLatin1().constData());
    QVERIFY(interface != nullptr);
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(interface->role(), role);
    const QString description = interface->text(QAccessible::Description);
    QVERIFY2(description.contains(QRegularExpression("[а-яА-Я]")), qPrintable(description));
}

// Someone who drives the computer by voice says what they see ("click Run"): a button's
// name is its caption, and its description says in Russian what it does.
void Form1AccessibilityTest::buttonNamesHoldTheirCaptions() {
    int buttons = 0;
    for (const ControlRow& row : Form1Layout()) {
        if (row.Kind != ControlKind::Button)
            continue;
        ++buttons;
        QAccessibleInterface* interface = accessible(row.Name);
        QCOMPARE(interface->text(QAccessible::Name), QString::fromUtf8(row.Caption));
    }
    QCOMPARE(buttons, 4);
    QCOMPARE(accessible("Command1")->text(QAccessible::Description),
             QStringLiteral("Решить: разделить делимое на делитель в столбик"));
}

void Form1AccessibilityTest::fieldsExposeTheirTexts() {
    QTest::mouseClick(window_->findChild<QWidget*>("Command1"), Qt::LeftButton);
    QCOMPARE(accessible("Text16")->text(QAccessible::Value), QStringLiteral(" 16754"));
    QCOMPARE(accessible("Text3")->text(QAccessible::Value), QStringLiteral("   94"));
    QCOMPARE(accessible("Label1")->text(QAccessible::Name), QStringLiteral("Деление с остатком"));
    QCOMPARE(accessible("Label1")->text(QAccessible::Description),
             QStringLiteral("Строка сообщений"));
}

void Form1AccessibilityTest::aNewMessageIsAnnounced() {
    announced.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->object() && event->object()->objectName() == QLatin1String("Label1"))
            announced.append(
                {event->type(), event->accessibleInterface()->text(QAccessible::Name)});
    });
    // Events reach assistive technology only once a screen reader has switched the
    // platform's accessibility on; here the test stands in for it.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform != nullptr);
    platform->setActive(true);
    auto* dividend = window_->findChild<QLineEdit*>("Text1");
    dividend->setFocus();
    QTest::keyClick(dividend, Qt::Key_7); // after "234567": seven characters
    const QString message = QStringLiteral("Разрядов делимого больше 6");
    QVERIFY(announced.contains({QAccessible::Alert, message}));
    announced.clear();
    QTest::keyClick(window_->findChild<QWidget*>("Text3"), Qt::Key_5); // no new message
    QVERIFY(announced.isEmpty());
}

QTEST_MAIN(Form1AccessibilityTest)
#include "form1_accessibility_test.moc"
