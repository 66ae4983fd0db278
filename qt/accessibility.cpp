#include "accessibility.h"

#include "link_label.h"
#include "window/form1_layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace velmorand {

namespace {

// A text field as Qt's own interface exposes it, except for the attribute runs: Qt 6.4 reports
// an empty run at every offset, and Orca then reads the text one character short.
class AccessibleField : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit AccessibleField(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            field()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // One run over the whole text, with the field's default attributes.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    QString text(int startOffset, int endOffset) const override {
        return field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }

    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !field()->hasSelectedText())
            return;
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override {
        field()->setSelection(startOffset, endOffset - startOffset);
    }

    // Only the characters in sight have a place: a pasted text of a million digits is
    // measured no further than the field is wide.
    QRect characterRect(int offset) const override {
        QLineEdit* f = field(); // cursorPositionAt is not const
        const QString text = f->text();
        const QRect contents = f->contentsRect().marginsRemoved(f->textMargins());
        const int middle = contents.center().y();
        const int first = f->cursorPositionAt({contents.left(), middle});
        const int end = f->cursorPositionAt({contents.right(), middle});
        if (offset < first || offset > end || offset >= text.size())
            return {};
        const QFontMetrics metrics(f->font());
        const int size = static_cast<int>(text.size());
        int left = contents.left() + TextIndent; // from the first character in sight
        if (first == 0 && end == size && (f->alignment() & Qt::AlignHCenter))
            left = contents.left() + (contents.width() - metrics.horizontalAdvance(text)) / 2;
        left += metrics.horizontalAdvance(text.mid(first, offset - first));
        if (first > 0 && end == size) // scrolled to the end, which is in sight at the right
            left = contents.right() - TextIndent - metrics.horizontalAdvance(text.mid(offset));
        const QRect character(left, contents.top() + (contents.height() - metrics.height()) / 2,
                              metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return character.translated(f->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { field()->setCursorPosition(startIndex); }

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        QString value = field()->text();
        value.replace(startOffset, endOffset - startOffset, text);
        field()->setText(value);
    }

private:
    static constexpr int TextIndent = 2; // where QLineEdit starts drawing its text

    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
};

// A link label is one object to a screen reader, read by its name and clicked in the middle.
// With a text interface newer Orca clicks a character, whose place Qt's label does not give,
// and the click never comes. Its press action opens the page, for a screen reader that
// presses rather than clicks.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    QString localizedActionName(const QString& name) const override {
        return name == pressAction() ? QString::fromUtf8(LinkActionName)
                                     : QAccessibleWidget::localizedActionName(name);
    }
    QString localizedActionDescription(const QString& name) const override {
        return name == pressAction() ? QString::fromUtf8(LinkActionDescription)
                                     : QAccessibleWidget::localizedActionDescription(name);
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<LinkLabel*>(widget())->open();
        else
            QAccessibleWidget::doAction(name);
    }
};

// Lives only in the accessibility tree, under the window, with no place on the screen.
class AccessibleAnnouncer : public QAccessibleObject {
public:
    explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(object())->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return {}; }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new AccessibleAnnouncer(announcer);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    // Without a role of its own, a plain top-level widget is a "filler" to Orca, which then
    // says no caption.
    if (widget->isWindow() && widget->metaObject() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* link = dynamic_cast<LinkLabel*>(widget))
        return new AccessibleLink(link);
    if (auto* field = qobject_cast<QLineEdit*>(widget);
        field && field->echoMode() == QLineEdit::Normal)
        return new AccessibleField(field);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

Announcer::Announcer(QWidget* window, QWidget* speaker)
    : QObject(window), speaker_(speaker != nullptr ? speaker : window) {}

void Announcer::announce(const QString& text) {
    text_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement, which the screen reader speaks as it is, whatever has the focus.
    QAccessibleAnnouncementEvent announcement(speaker_, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Newer Orca keeps the names it has read until it is told they changed.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace velmorand
