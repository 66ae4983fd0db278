// «Листы для печати»: the teacher picks the level, the first variant, how many variants, how
// many problems each, the answer key and large cells; the pages are shown as they will be
// printed, and go to the printer through the system's print dialog or to a PDF file.
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
    // Starting at the level and variant the pupil is on.
    SheetsDialog(int level, int variant, QWidget* parent = nullptr);

    SheetOptions options() const;
    const std::vector<SheetPage>& pages() const { return pages_; }

    void print();
    void savePdf();

private:
    void remake();

    QSpinBox* level_ = nullptr;
    QSpinBox* variant_ = nullptr;
    QSpinBox* variants_ = nullptr;
    QSpinBox* problems_ = nullptr;
    QCheckBox* answers_ = nullptr;
    QCheckBox* large_ = nullptr;
    QVBoxLayout* preview_ = nullptr; // a picture of each page, one under another
    QLabel* count_ = nullptr;
    std::vector<SheetPage> pages_;
};

} // namespace velmorand
