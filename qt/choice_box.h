// A list that opens, such as the practice window's level, that a screen reader names with its
// choice: "Уровень 5". Orca finds a list's choice through the selection interface, which Qt's
// accessibility lacks before 6.5; it then says the label and no choice at all.
#pragma once

#include <QComboBox>

namespace velmorand {

class ChoiceBox : public QComboBox {
public:
    explicit ChoiceBox(QWidget* parent = nullptr);
};

} // namespace velmorand
