// The teacher's class journal «Журнал класса» in Qt Widgets: she chooses the variant or her own
// problems, types each pupil's name and the code he handed in, and sees the table, the totals,
// who is missing and the class's mistakes as a chart. The controls are made by walking the
// class layout; every text, what is decided and what a screen reader is told come from the
// class journal. The names are kept in the program's settings only while she asks.
#pragma once

#include "practice/class_journal.h"
#include "window/class_layout.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QTableWidget;

namespace velmorand {

class Announcer;
class ClassChart;

// Where the remembered class is stored, under the program's settings.
inline constexpr char JournalKey[] = "class/journal";

// The journal on A4 pages of a paged device (a QPrinter or a QPdfWriter). False, with the
// reason, when the device could not be painted on.
bool PaintJournal(QPagedPaintDevice& device, const ClassJournal& journal, QString* error);

// The journal's spreadsheet at `path`, byte for byte, written whole or not at all. False, with
// the reason, when it could not be written.
bool WriteJournalCsv(const QString& path, const ClassJournal& journal, QString* error);

class ClassWindow : public QWidget {
public:
    // With the class the settings remember, if any.
    explicit ClassWindow(QWidget* parent = nullptr);
    ~ClassWindow() override;

    const ClassJournal& journal() const { return journal_; }

private:
    struct Shown {
        QWidget* Widget;
        const ClassControl* Control;
    };

    QWidget* makeControl(const ClassControl& control);
    void command(ClassCommand command);
    void chooseProblems();
    void addPupil();
    void remember(bool on);
    void forget();
    void print();
    void saveCsv();
    void deliver(const JournalChange& change);
    void tell(const QString& message); // in the status line, and to the screen reader
    void keep();                       // into the settings, while the class is remembered
    void showJournal();

    ClassJournal journal_;
    std::string error_;
    std::vector<Shown> shown_;
    QLineEdit* set_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* code_ = nullptr;
    QTableWidget* table_ = nullptr;
    ClassChart* chart_ = nullptr;
    QCheckBox* remember_ = nullptr;
    Announcer* announcer_ = nullptr;
};

} // namespace velmorand
