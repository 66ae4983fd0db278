#include "form1.h"

#include "accessibility.h"
#include "link_label.h"
#include "widget_helpers.h"
#include "window/announcements.h"
#include "window/form1_actions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <limits>
#include <utility>

namespace velmorand {

namespace {

// Qt scales device-independent pixels itself: these are pixels at 96 dots per inch.
constexpr int QtDotsPerInch = 96;

int Pixels(int twips) { return TwipsToPixels(twips, QtDotsPerInch); }

QRect Geometry(const ControlRow& row) { return RectOf(PlaceInPixels(row, QtDotsPerInch)); }

QFont MakeFont(double points, bool bold) {
    QFont font;
    // "MS Sans Serif" is rarely there off Windows; Liberation Sans has the same metrics
    // as the Windows sans fonts.
    font.setFamilies({QString::fromUtf8(ControlFace), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Horizontal hinting would round each glyph's advance to whole pixels, and two spaces
    // would no longer be exactly one digit wide: the column would drift.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, Rgb color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ColourOf(color));
    widget->setPalette(palette);
}

QPixmap WorkedExample(qreal devicePixelRatio) {
    return QPixmap(devicePixelRatio > 1 ? QStringLiteral(":/velmorand/worked-example@2x.png")
                                        : QStringLiteral(":/velmorand/worked-example.png"));
}

// The worked-example picture takes the keyboard focus, and then shows it: a frame in the
// highlight colour just inside its border. Without the focus it is drawn as before.
class PictureBox : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        const int width = FocusMarkPixels;
        painter.setPen(QPen(palette().color(QPalette::Highlight), width));
        painter.drawRect(
            QRectF(contentsRect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }

private:
    static constexpr int FocusMarkPixels = 2;
};

} // namespace

Form1::Form1(LinkOpener openLink, QWidget* parent)
    : QWidget(parent), openLink_(std::move(openLink)) {
    InstallAccessibility();
    announcer_ = new Announcer(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(Form1Caption));
    setAccessibleName(QString::fromUtf8(Form1SpokenCaption));
    setWindowIcon(ProgramIcon());
    setFixedSize(Pixels(ClientWidthTwips), Pixels(ClientHeightTwips));
    setFont(MakeFont(WindowPoints, false));
    SetColor(this, QPalette::Window, WindowBackground);
    setAutoFillBackground(true);

    QWidget* previousInTabOrder = nullptr;
    for (const ControlRow& row : Form1Layout()) {
        QWidget* control = makeControl(row);
        control->setObjectName(QLatin1String(row.Name));
        control->setGeometry(Geometry(row));
        if (row.Font.Points > 0)
            control->setFont(MakeFont(row.Font.Points, row.Font.Bold));
        if (row.TextColor)
            SetColor(control, QPalette::WindowText, *row.TextColor);
        if (row.ToolTip != nullptr)
            control->setToolTip(QString::fromUtf8(row.ToolTip));
        if (row.Accessible.Name != nullptr)
            control->setAccessibleName(QString::fromUtf8(row.Accessible.Name));
        if (row.Accessible.Description != nullptr)
            control->setAccessibleDescription(QString::fromUtf8(row.Accessible.Description));
        if (row.Shows)
            shown_.push_back({control, *row.Shows});
        if (TakesFocus(row)) {
            if (previousInTabOrder != nullptr)
                setTabOrder(previousInTabOrder, control);
            previousInTabOrder = control;
        }
    }
    showWorksheet();
    if (QWidget* dividend = fieldShowing(WorksheetField::Dividend))
        dividend->setFocus();
}

QWidget* Form1::makeControl(const ControlRow& row) {
    switch (row.Kind) {
    case ControlKind::TextField:
        return makeTextField(row);
    case ControlKind::Label:
        return makeLabel(row);
    case ControlKind::Button:
        return makeButton(row);
    case ControlKind::Picture:
        return makePicture();
    case ControlKind::Line:
        return makeLine(row);
    }
    return nullptr;
}

QWidget* Form1::makeTextField(const ControlRow& row) {
    auto* field = new QLineEdit(this);
    field->setMaxLength(std::numeric_limits<int>::max()); // only the digit checks judge length
    if (row.Centered)
        field->setAlignment(Qt::AlignCenter);
    connect(field, &QLineEdit::textChanged, this, [this, &row](const QString& value) {
        if (!showing_)
            deliver(Edit(sheet_, row, value.toStdString()));
    });
    return field;
}

QWidget* Form1::makeLabel(const ControlRow& row) {
    const QString caption = QString::fromUtf8(row.Caption);
    const auto open = [this, &row] { act(row); };
    const bool link = RoleOf(row) == ControlRole::Link;
    QLabel* label = link ? new LinkLabel(caption, open, this) : new QLabel(caption, this);
    label->setAlignment((row.Centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (row.Background) {
        SetColor(label, QPalette::Window, *row.Background);
        label->setAutoFillBackground(true);
    }
    if (link) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    return label;
}

QWidget* Form1::makeButton(const ControlRow& row) {
    auto* button = new QPushButton(QString::fromUtf8(row.Caption), this);
    connect(button, &QPushButton::clicked, this, [this, &row] { act(row); });
    if (row.Action == ControlAction::Run)
        runButton_ = button;
    return button;
}

QWidget* Form1::makePicture() {
    auto* picture = new PictureBox(this);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(PictureBorderPixels);
    picture->setPixmap(WorkedExample(devicePixelRatioF()));
    picture->setFocusPolicy(Qt::StrongFocus);
    return picture;
}

QWidget* Form1::makeLine(const ControlRow& row) {
    auto* line = new QWidget(this);
    SetColor(line, QPalette::Window, row.Fill.value_or(0));
    line->setAutoFillBackground(true);
    return line;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A double click is one click to a pupil: its second press comes as a double-click
    // event, and the release that follows it opens nothing.
    if (event->type() == QEvent::MouseButtonDblClick) {
        releaseEndsDoubleClick_ = watched;
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    if (std::exchange(releaseEndsDoubleClick_, nullptr) == watched)
        return QWidget::eventFilter(watched, event);
    // A link label is clicked like a button: pressed and released over it.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* label = qobject_cast<QWidget*>(watched);
    if (mouse->button() == Qt::LeftButton && label != nullptr &&
        label->rect().contains(mouse->position().toPoint())) {
        if (const ControlRow* row = FindControl(label->objectName().toStdString()))
            act(*row);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::act(const ControlRow& row) {
    deliver(Act(sheet_, row, QLocale::system().decimalPoint().toStdString()));
}

void Form1::deliver(const ActionResult& result) {
    if (result.ExitProgram)
        QCoreApplication::exit(0);
    if (result.LinkToOpen != nullptr)
        openLink_(QString::fromUtf8(result.LinkToOpen));
    // Focus, texts, announcement: the order form1_actions.h gives.
    if (QWidget* field = fieldShowing(result.Focus))
        field->setFocus();
    if (result.ShowWorksheet)
        showWorksheet();
    if (!result.Announcement.empty())
        announcer_->announce(QString::fromStdString(result.Announcement));
}

QWidget* Form1::fieldShowing(std::optional<WorksheetField> field) const {
    const auto shown = std::find_if(shown_.begin(), shown_.end(),
                                    [field](const Shown& s) { return s.Field == field; });
    return shown != shown_.end() ? shown->Widget : nullptr;
}

void Form1::showWorksheet() {
    const QScopedValueRollback<bool> showing(showing_, true);
    for (const Shown& shown : shown_) {
        const QString text = QString::fromStdString(FieldText(sheet_, shown.Field));
        if (auto* field = qobject_cast<QLineEdit*>(shown.Widget)) {
            if (field->text() != text) // leaves the cursor alone in the field being typed in
                field->setText(text);
        } else {
            showMessage(static_cast<QLabel*>(shown.Widget), text);
        }
    }
    runButton_->setVisible(sheet_.RunVisible);
}

// The message line is read by its words, without the punctuation that a screen reader would
// name. What is announced about it is the action's to say.
void Form1::showMessage(QLabel* line, const QString& message) {
    if (line->text() == message)
        return;
    line->setText(message);
    line->setAccessibleName(QString::fromStdString(
        SpokenNameOf(*ControlShowing(WorksheetField::Message), message.toStdString())));
}

} // namespace velmorand
