#include "practice_window.h"

#include "accessibility.h"
#include "choice_box.h"
#include "column_grid.h"
#include "sheets_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

namespace velmorand {

namespace {

// Sizes in points, for a pupil: the problem largest, then the field typed into, the question
// and what the window answers.
constexpr double PanelPoints = 14;
constexpr double ProblemPoints = 30;
constexpr double EntryPoints = 26;
constexpr double QuestionPoints = 20;
constexpr double FeedbackPoints = 17;
constexpr double ButtonPoints = 16;

QFont Sized(QFont font, double points, bool bold = false) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/velmorand/icons/velmorand-%1.png").arg(size));
    return icon;
}

bool Named(const PracticeControl& control, const char* name) {
    return std::strcmp(control.Name, name) == 0;
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
    announcer_ = new Announcer(this);
    const Progress kept = ProgressFromText(
        OpenProgramSettings()->value(QLatin1String(ProgressKey)).toString().toStdString());
    session_ = StartPractice(start.Level, start.Variant, kept);
    setObjectName(QStringLiteral("Practice"));
    setWindowTitle(QString::fromUtf8(PracticeCaption));
    setAccessibleName(QString::fromUtf8(PracticeSpokenCaption));
    setWindowIcon(ProgramIcon());
    setFont(Sized(font(), PanelPoints));

    QWidget* previousInTabOrder = nullptr;
    for (const PracticeControl& control : PracticeLayout()) {
        QWidget* widget = makeControl(control);
        widget->setObjectName(QLatin1String(control.Name));
        if (control.AccessibleName != nullptr)
            widget->setAccessibleName(QString::fromUtf8(control.AccessibleName));
        shown_.push_back({widget, &control});
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousInTabOrder != nullptr)
                setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
        }
    }
    arrange();
    showView();

    // Nearly the whole screen, so that the column can be read across a classroom: on a
    // 1920 by 1080 screen its digits are over 50 pixels high.
    QSize size(1120, 740);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->availableSize() * 0.9;
    resize(size);
    if (entry_ != nullptr)
        entry_->setFocus();
}

// The fields lose the focus as QWidget takes them down, after this window is gone: what they
// signal then must reach nothing of it.
PracticeWindow::~PracticeWindow() {
    for (QObject* child : children())
        child->disconnect(this);
}

QWidget* PracticeWindow::makeControl(const PracticeControl& control) {
    switch (control.Kind) {
    case PracticeControlKind::LevelChoice: {
        level_ = new ChoiceBox(this);
        for (int level = 1; level <= LevelCount; ++level)
            level_->addItem(QString::number(level), level);
        // Only a change is a choice: the same level picked again leaves the problem alone.
        connect(level_, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (!showing_)
                deliver(ChooseLevel(session_, level_->itemData(index).toInt()));
        });
        return level_;
    }
    case PracticeControlKind::VariantField:
        variant_ = new QLineEdit(this);
        variant_->setMaxLength(std::numeric_limits<int>::max()); // the core judges any text
        connect(variant_, &QLineEdit::editingFinished, this, [this] { chooseVariant(); });
        return variant_;
    case PracticeControlKind::AnswerField:
        entry_ = new QLineEdit(this);
        entry_->setMaxLength(std::numeric_limits<int>::max());
        entry_->setFont(Sized(font(), EntryPoints, true));
        connect(entry_, &QLineEdit::returnPressed, this, [this] { submit(); });
        return entry_;
    case PracticeControlKind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(control.Caption), this);
        button->setAutoDefault(true); // Enter presses the button in the focus, as Space does
        button->setFont(Sized(font(), ButtonPoints));
        button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
        connect(button, &QPushButton::clicked, this,
                [this, &control] { command(control.Command); });
        return button;
    }
    case PracticeControlKind::ColumnGrid:
        column_ = new ColumnPaper(this);
        return column_;
    case PracticeControlKind::Text:
        break;
    }
    auto* label = new QLabel(this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (Named(control, "Problem"))
        label->setFont(Sized(font(), ProblemPoints, true));
    else if (Named(control, "Question"))
        label->setFont(Sized(font(), QuestionPoints));
    else if (Named(control, "Feedback"))
        label->setFont(Sized(font(), FeedbackPoints));
    return label;
}

// The choices across the top, the problem under them, the column on the left and on the
// right what is asked, the answer field, what the window says and the buttons.
void PracticeWindow::arrange() {
    auto* top = new QHBoxLayout;
    for (QWidget* choice : {static_cast<QWidget*>(level_), static_cast<QWidget*>(variant_)}) {
        if (choice == nullptr)
            continue;
        auto* caption = new QLabel(choice->accessibleName(), this);
        // A label a screen reader would say instead of the level's name, which holds its choice.
        if (choice != level_)
            caption->setBuddy(choice);
        top->addWidget(caption);
        top->addWidget(choice);
        top->addSpacing(24);
    }
    if (variant_ != nullptr)
        variant_->setMaximumWidth(variant_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    top->addStretch(1);

    auto* side = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    QWidget* problem = nullptr;
    for (const Shown& shown : shown_) {
        const PracticeControl& control = *shown.Control;
        switch (control.Kind) {
        case PracticeControlKind::LevelChoice:
        case PracticeControlKind::VariantField:
        case PracticeControlKind::ColumnGrid:
            break;
        case PracticeControlKind::Button:
            buttons->addWidget(shown.Widget);
            break;
        case PracticeControlKind::Text:
            if (Named(control, "Problem")) {
                problem = shown.Widget;
                break;
            }
            [[fallthrough]];
        case PracticeControlKind::AnswerField:
            side->addWidget(shown.Widget);
            if (control.Kind == PracticeControlKind::AnswerField)
                side->addSpacing(8);
            break;
        }
    }
    buttons->addStretch(1);
    side->addLayout(buttons);
    side->addStretch(1);

    auto* body = new QHBoxLayout;
    if (column_ != nullptr)
        body->addWidget(column_, 3);
    body->addLayout(side, 2);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    if (problem != nullptr)
        page->addWidget(problem);
    page->addLayout(body, 1);
}

QWidget* PracticeWindow::widgetNamed(const char* name) const {
    const auto found = std::find_if(shown_.begin(), shown_.end(),
                                    [name](const Shown& s) { return Named(*s.Control, name); });
    return found != shown_.end() ? found->Widget : nullptr;
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
    case PracticeCommand::None:
        break;
    }
}

void PracticeWindow::openSheets() {
    SheetsDialog dialog(session_.Level, session_.Variant, this);
    dialog.exec();
}

void PracticeWindow::submit() {
    const PracticeResult result = SubmitAnswer(session_, entry_->text().toStdString());
    if (!result.ClearEntry) // a wrong answer stays, selected, to be looked at and typed over
        entry_->selectAll();
    deliver(result);
}

void PracticeWindow::chooseVariant() {
    if (showing_ || !variant_->isModified())
        return;
    variant_->setModified(false);
    deliver(ChooseVariant(session_, variant_->text().toStdString()));
}

void PracticeWindow::deliver(const PracticeResult& result) {
    if (result.ProgressChanged) {
        const std::unique_ptr<QSettings> settings = OpenProgramSettings();
        settings->setValue(QLatin1String(ProgressKey),
                           QString::fromStdString(ProgressText(session_.Kept)));
        settings->sync();
    }
    showView();
    if (result.ClearEntry && entry_ != nullptr)
        entry_->clear();
    if (result.FocusEntry && entry_ != nullptr)
        entry_->setFocus();
    if (!result.Announcement.empty())
        announcer_->announce(QString::fromStdString(result.Announcement));
}

void PracticeWindow::showView() {
    const QScopedValueRollback<bool> showing(showing_, true);
    const PracticeView view = ViewOf(session_);
    for (const Shown& shown : shown_) {
        if (shown.Control->Kind != PracticeControlKind::Text)
            continue;
        auto* label = static_cast<QLabel*>(shown.Widget);
        const QString text = QString::fromStdString(ShownText(view, *shown.Control));
        if (label->text() != text)
            label->setText(text);
    }
    if (auto* feedback = qobject_cast<QLabel*>(widgetNamed("Feedback"))) {
        QPalette palette = feedback->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(FeedbackColour(view)));
        feedback->setPalette(palette);
    }
    if (level_ != nullptr)
        level_->setCurrentIndex(level_->findData(session_.Level));
    // A variant being typed is left alone until it is chosen.
    if (variant_ != nullptr && !(variant_->hasFocus() && variant_->isModified()))
        variant_->setText(QString::number(session_.Variant));
    if (entry_ != nullptr) {
        const QString question = QString::fromStdString(view.Question);
        if (entry_->accessibleDescription() != question)
            entry_->setAccessibleDescription(question);
    }
    if (column_ != nullptr)
        column_->show(view.Column, SpokenRows(view.Column));
}

} // namespace velmorand
