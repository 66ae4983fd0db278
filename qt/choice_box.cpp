#include "choice_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace velmorand {

namespace {

class AccessibleChoice : public QAccessibleWidget {
public:
    explicit AccessibleChoice(ChoiceBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    // The choice as its item's accessible text words it, where it has one.
    QString text(QAccessible::Text t) const override {
        const QVariant spoken = box()->currentData(Qt::AccessibleTextRole);
        const QString choice = spoken.isValid() ? spoken.toString() : box()->currentText();
        if (t == QAccessible::Value)
            return choice;
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty())
            return box()->accessibleName() + QLatin1Char(' ') + choice;
        return QAccessibleWidget::text(t);
    }
    // The label beside the list is its buddy, for the keyboard; a screen reader that found it
    // as the list's label would say it instead of the name, and so without the choice.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return QAccessibleWidget::relations(match & ~QAccessible::Relation(QAccessible::Label));
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    // The popup is a window of its own; the list is opened by the action, or by the keys.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override {
        if (name == showMenuAction())
            box()->showPopup();
    }

private:
    ChoiceBox* box() const { return static_cast<ChoiceBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* box = dynamic_cast<ChoiceBox*>(object))
        return new AccessibleChoice(box);
    return nullptr;
}

} // namespace

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
    // The choice is in the name: a new choice is a new name, which a screen reader reads.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });
}

} // namespace velmorand
