#include "practice_window.h"

#include "accessibility.h"
#include "choice_box.h"
#include "column_grid.h"
#include "sheets_dialog.h"
#include "widget_helpers.h"
#include "window/practice_arrangement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

#include <limits>

namespace velmorand {

namespace {

void SetTextSize(QWidget* widget, int pixels, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

void SetTextColour(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ColourOf(colour));
    widget->setPalette(palette);
}

// A text named apart from what it shows, such as the problem: a screen reader says the name,
// and the shown text as its description.
bool DescribedByItsText(const PracticeControl& control) {
    return control.Kind == PracticeControlKind::Text && control.AccessibleName != nullptr;
}

} // namespace

std::unique_ptr<QSettings> OpenProgramSettings() {
    const QString application = QCoreApplication::applicationName();
    QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty())
        organisation = application;
    return std::make_unique<QSettings>(QSettings::UserScope, organisation, application);
}

PracticeWindow::PracticeWindow(const StartOptions& start, QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    const Progress kept = ProgressFromText(
        OpenProgramSettings()->value(QLatin1String(ProgressKey)).toString().toStdString());
    session_ = StartPractice(start.Level, start.Variant, kept);
    // A set that is no set leaves the level's variant, with the reasons shown.
    if (!start.Set.empty())
        MakeSet(session_, start.Set);
    setObjectName(QStringLiteral("Practice"));
    setWindowTitle(QString::fromUtf8(PracticeCaption));
    setAccessibleName(QString::fromUtf8(PracticeSpokenCaption));
    UsePracticeLook(*this);

    // On a narrow screen the controls stand one under another, taller than the window: the
    // page then scrolls up and down, never sideways.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page_ = new QWidget;
    page_->setAutoFillBackground(true);
    scroll_->setWidget(page_);

    QWidget* previousInTabOrder = nullptr;
    for (const PracticeControl& control : PracticeLayout()) {
        QWidget* widget = makeControl(control);
        widget->setObjectName(QLatin1String(control.Name));
        if (control.AccessibleName != nullptr)
            widget->setAccessibleName(QString::fromUtf8(control.AccessibleName));
        QLabel* label = nullptr;
        if (control.Label != nullptr) {
            label = new QLabel(QString::fromUtf8(control.Label), page_);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setBuddy(widget);
        }
        shown_.push_back({widget, label, &control});
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousInTabOrder != nullptr)
                setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
        }
    }
    for (const Shown& shown : shown_)
        if (shown.Control->Announced)
            announcer_ = new Announcer(this, shown.Widget);
    if (announcer_ == nullptr)
        announcer_ = new Announcer(this);
    if (ownProblems_ != nullptr)
        ownProblems_->setPlainText(QString::fromStdString(start.Set));
    resize(DesignWidthPixels, DesignHeightPixels);
    showView();
    if (entry_ != nullptr)
        entry_->setFocus();
}

// The fields lose the focus as QWidget takes them down, after this window is gone: what they
// signal then must reach nothing of it.
PracticeWindow::~PracticeWindow() {
    for (const Shown& shown : shown_)
        shown.Widget->disconnect(this);
}

QWidget* PracticeWindow::makeControl(const PracticeControl& control) {
    switch (control.Kind) {
    case PracticeControlKind::LevelChoice: {
        level_ = new ChoiceBox(page_);
        for (int level = 1; level <= LevelCount; ++level) // "6: нуль в частном", and its number
        {
            level_->addItem(QString::fromStdString(LevelChoiceText(level)), level);
            level_->setItemData(level - 1, QString::fromStdString(SpokenLevelChoice(level)),
                                Qt::AccessibleTextRole);
        }
        // Only a change is a choice: the same level picked again leaves the problem alone.
        connect(level_, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (!showing_)
                deliver(ChooseLevel(session_, level_->itemData(index).toInt()));
        });
        return level_;
    }
    case PracticeControlKind::VariantField:
        variant_ = new QLineEdit(page_);
        variant_->setMaxLength(std::numeric_limits<int>::max()); // the core judges any text
        // On Enter and when the focus leaves; chooseVariant asks whether it was edited.
        connect(variant_, &QLineEdit::editingFinished, this, [this] { chooseVariant(); });
        return variant_;
    case PracticeControlKind::AnswerField:
        entry_ = new QLineEdit(page_);
        entry_->setMaxLength(std::numeric_limits<int>::max());
        connect(entry_, &QLineEdit::returnPressed, this, [this] { submit(); });
        return entry_;
    case PracticeControlKind::SetField:
        ownProblems_ = new QPlainTextEdit(page_);
        ownProblems_->setTabChangesFocus(true); // Tab goes on to the button, as from a line
        // Lines wrap at any character: looking for a word's end is slow on a pasted line of a
        // million digits, and breaking anywhere is not.
        ownProblems_->setWordWrapMode(QTextOption::WrapAnywhere);
        // Its text is read only when the set is made: a pasted million characters is held
        // as it is, and the core names it in a few reasons.
        return ownProblems_;
    case PracticeControlKind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(control.Caption), page_);
        button->setAutoDefault(true); // Enter presses the button in the focus, as Space does
        connect(button, &QPushButton::clicked, this,
                [this, &control] { command(control.Command); });
        return button;
    }
    case PracticeControlKind::ColumnGrid:
        column_ = new ColumnPaper(page_);
        return column_;
    case PracticeControlKind::Text:
        break;
    }
    auto* label = new QLabel(page_);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void PracticeWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

// Every control, its label and its text size where the arrangement puts them for the window's
// size and the paper of the level or the set.
void PracticeWindow::arrange() {
    const PaperSize paper = PracticePaper(session_);
    arrangedPaper_ = paper;
    PracticeArrangement arrangement = ArrangePractice(width(), height(), paper);
    const bool scrolls = arrangement.Height > height();
    if (scrolls) // the scroll bar takes its width from the page
        arrangement = ArrangePractice(width() - scroll_->verticalScrollBar()->sizeHint().width(),
                                      height(), paper);
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll_->setGeometry(rect());
    page_->resize(arrangement.Width, arrangement.Height);
    for (const Shown& shown : shown_) {
        const PlacedControl* placed = FindPlaced(arrangement, shown.Control->Name);
        if (placed == nullptr)
            continue;
        shown.Widget->setGeometry(RectOf(placed->Place));
        if (placed->TextPixels > 0) // the paper has none: its digits are sized by its cells
            SetTextSize(shown.Widget, placed->TextPixels, placed->Bold);
        if (shown.Label != nullptr) {
            shown.Label->setGeometry(RectOf(placed->LabelPlace));
            SetTextSize(shown.Label, arrangement.LabelPixels, false);
        }
    }
    if (column_ != nullptr)
        column_->setPaper(paper, arrangement.CellPixels);
}

void PracticeWindow::command(PracticeCommand command) {
    switch (command) {
    case PracticeCommand::Hint:
        deliver(AskHint(session_));
        break;
    case PracticeCommand::Next:
        deliver(NextProblem(session_));
        break;
    case PracticeCommand::Sheets:
        openSheets();
        break;
    case PracticeCommand::ShowCode:
        deliver(ShowCode(session_));
        break;
    case PracticeCommand::MakeSet:
        makeSet();
        break;
    case PracticeCommand::None:
        break;
    }
}

void PracticeWindow::openSheets() {
    SheetsDialog dialog({.Level = session_.Level, .Variant = session_.Variant, .Set = session_.Set},
                        this);
    dialog.exec();
}

void PracticeWindow::makeSet() {
    if (ownProblems_ != nullptr)
        deliver(MakeSet(session_, ownProblems_->toPlainText().toStdString()));
}

void PracticeWindow::submit() { deliver(SubmitAnswer(session_, entry_->text().toStdString())); }

// Only what was edited since the variant was last chosen or shown is chosen: leaving the field
// untouched, or pressing Enter again, changes nothing.
void PracticeWindow::chooseVariant() {
    if (showing_ || !variant_->isModified())
        return;
    variant_->setModified(false);
    deliver(ChooseVariant(session_, variant_->text().toStdString()));
}

// The view drawn first, then the focus moved, and last the announcement: a screen reader says
// it after what the focus reads.
void PracticeWindow::deliver(const PracticeResult& result) {
    if (result.ProgressChanged) {
        const std::unique_ptr<QSettings> settings = OpenProgramSettings();
        settings->setValue(QLatin1String(ProgressKey),
                           QString::fromStdString(ProgressText(session_.Kept)));
        settings->sync();
    }
    showView();
    if (entry_ != nullptr) {
        if (result.ClearEntry)
            entry_->clear();
        if (result.SelectEntry)
            entry_->selectAll();
        if (result.FocusEntry) {
            entry_->setFocus();
            scroll_->ensureWidgetVisible(entry_);
        }
    }
    if (!result.Announcement.empty())
        announcer_->announce(QString::fromStdString(result.Announcement));
}

void PracticeWindow::showView() {
    const QScopedValueRollback<bool> showing(showing_, true);
    if (arrangedPaper_ != PracticePaper(session_))
        arrange();
    const PracticeView view = ViewOf(session_);
    for (const Shown& shown : shown_) {
        const PracticeControl& control = *shown.Control;
        if (control.Kind == PracticeControlKind::Button && control.Shows != PracticeText::None) {
            auto* button = static_cast<QPushButton*>(shown.Widget);
            const QString caption = QString::fromStdString(ShownText(view, control));
            if (button->text() != caption)
                button->setText(caption);
        }
        if (control.Kind != PracticeControlKind::Text)
            continue;
        auto* label = static_cast<QLabel*>(shown.Widget);
        const QString text = QString::fromStdString(ShownText(view, control));
        if (label->text() != text)
            label->setText(text);
        if (DescribedByItsText(control) && label->accessibleDescription() != text)
            label->setAccessibleDescription(text);
        // A text said otherwise than shown, as the code is a character at a time, is named
        // by what is said, and by its text again once the two are the same.
        const QString spoken = QString::fromStdString(SpokenText(view, control));
        if (control.AccessibleName == nullptr &&
            (spoken != text || !label->accessibleName().isEmpty()) &&
            label->accessibleName() != spoken)
            label->setAccessibleName(spoken);
        if (control.Shows == PracticeText::Feedback)
            SetTextColour(label, FeedbackColour(view));
    }
    if (level_ != nullptr)
        level_->setCurrentIndex(level_->findData(session_.Level));
    // A variant being typed is left alone until it is chosen.
    if (variant_ != nullptr && !(variant_->hasFocus() && variant_->isModified()))
        variant_->setText(QString::number(session_.Variant));
    if (entry_ != nullptr) {
        const QString question = QString::fromStdString(view.SpokenQuestion);
        if (entry_->accessibleDescription() != question)
            entry_->setAccessibleDescription(question);
    }
    if (column_ != nullptr)
        column_->show(view.Column, SpokenRows(view.Column));
}

} // namespace velmorand
