// «Листы для печати»: the choices of practice/sheet.h's table (the level, the first variant,
// how many variants, how many problems each, the key, large cells), the pages shown as they
// will be printed, and the buttons that send them to the printer through the system's print
// dialog or to a PDF file.
#pragma once

#include "practice/sheet.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;

namespace velmorand {

class SheetsDialog : public QDialog {
public:
    // Starting at the level and variant the pupil is on, the other choices as the core
    // begins them.
    SheetsDialog(int level, int variant, QWidget* parent = nullptr);
    // With the choices asked for; with a set, the pages are of its problems, which fix
    // the numbers chosen, and only the key and the cells' size are left to choose.
    explicit SheetsDialog(const PrintedSheetsOptions& asked, QWidget* parent = nullptr);

    PrintedSheetsOptions options() const;
    const std::vector<PrintedPage>& pages() const { return pages_; }

    void print();
    void savePdf();

private:
    // A control of the table that sets a choice: a number or a check.
    struct Choice {
        const PrintedControl* Control = nullptr;
        QSpinBox* Number = nullptr;
        QCheckBox* Check = nullptr;
    };

    void remake();

    std::vector<Choice> choices_;
    QVBoxLayout* preview_ = nullptr; // a picture of each page, one under another
    QLabel* count_ = nullptr;
    std::vector<PrintedPage> pages_;
    std::vector<Problem> set_; // the teacher's problems, or none
};

} // namespace velmorand
