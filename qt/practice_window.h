// The practice window «Тренажёр» in Qt Widgets: the pupil writes the column step by step. The
// controls are made by walking the practice layout and stand where the practice arrangement
// places them for the window's size; each key and click goes to the practice session, and the
// window draws what the session's view holds, moves the focus and the typed text as each
// result says, and hands its announcements to the screen reader. The progress is kept in the
// program's settings.
#pragma once

#include "practice/command_line.h"
#include "practice/session.h"
#include "window/practice_layout.h"

#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QSettings;

namespace velmorand {

class Announcer;
class ColumnPaper;

// Where the progress is stored, under the program's settings.
inline constexpr char ProgressKey[] = "practice/progress";

class PracticeWindow : public QWidget {
public:
    // At the level and variant the program was started with, or practising the set it was
    // started with, and with what the settings kept.
    explicit PracticeWindow(const StartOptions& start, QWidget* parent = nullptr);
    ~PracticeWindow() override;

    const PracticeSession& session() const { return session_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Shown {
        QWidget* Widget;
        QLabel* Label; // shown before it and naming it, or nullptr
        const PracticeControl* Control;
    };

    QWidget* makeControl(const PracticeControl& control);
    void arrange();
    void command(PracticeCommand command);
    void submit();
    void chooseVariant();
    void openSheets(); // «Листы для печати», at the pupil's level and variant, or of the set
    void makeSet(); // the teacher's problems, as the set field holds them
    void deliver(const PracticeResult& result);
    void showView();

    PracticeSession session_;
    std::vector<Shown> shown_;
    QScrollArea* scroll_ = nullptr; // the window's client area
    QWidget* page_ = nullptr;       // in it, the controls at their places
    QComboBox* level_ = nullptr;
    QLineEdit* variant_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QPlainTextEdit* ownProblems_ = nullptr;
    ColumnPaper* column_ = nullptr;
    Announcer* announcer_ = nullptr;
    PaperSize arrangedPaper_{}; // the paper the arrangement was made for
    bool showing_ = false;      // set while the view is put into the widgets
};

// The settings the program keeps its progress in: the user's, under the program's
// organisation and name (the name twice when no organisation is set).
std::unique_ptr<QSettings> OpenProgramSettings();

} // namespace velmorand
