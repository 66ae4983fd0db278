// The program's one window in Qt Widgets: makes its controls from the layout table, shows
// the worksheet and turns clicks and typing into its operations.
#pragma once

#include "open_link.h"
#include "window/form1_actions.h"
#include "window/form1_layout.h"
#include "worksheet/worksheet.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace velmorand {

class Announcer;

class Form1 : public QWidget {
public:
    using LinkOpener = std::function<void(const QString& address)>;

    explicit Form1(LinkOpener openLink = OpenInBrowser, QWidget* parent = nullptr);

    const Worksheet& worksheet() const { return sheet_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        QWidget* Widget;
        WorksheetField Field;
    };

    QWidget* makeControl(const ControlRow& row);
    QWidget* makeTextField(const ControlRow& row);
    QWidget* makeLabel(const ControlRow& row);
    QWidget* makeButton(const ControlRow& row);
    QWidget* makePicture();
    QWidget* makeLine(const ControlRow& row);
    void act(const ControlRow& row);
    void deliver(const ActionResult& result);
    void showWorksheet();
    void showMessage(QLabel* line, const QString& message);
    // nullptr when no control shows it
    QWidget* fieldShowing(std::optional<WorksheetField> field) const;

    Worksheet sheet_;
    LinkOpener openLink_;
    std::vector<Shown> shown_;
    QPushButton* runButton_ = nullptr;
    Announcer* announcer_ = nullptr;
    bool showing_ = false;                      // set while the worksheet is put into the widgets
    QObject* releaseEndsDoubleClick_ = nullptr; // the link label double-clicked last
};

} // namespace velmorand
