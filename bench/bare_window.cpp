// The floor for start-up: a bare Qt Widgets window with the program's 34 controls at the
// same places and with the same captions, and nothing else: no fonts, colours, picture,
// icon or worksheet.
#include "window/form1_layout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

using velmorand::ControlKind;
using velmorand::ControlRow;

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
    const QString caption = QString::fromUtf8(row.Caption);
    switch (row.Kind) {
    case ControlKind::TextField:
        return new QLineEdit(QString::fromStdString(FieldText(velmorand::Worksheet{}, *row.Shows)),
                             parent);
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::Label:
    case ControlKind::Picture:
        return new QLabel(caption, parent);
    case ControlKind::Line:
        break;
    }
    return new QWidget(parent);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(velmorand::Form1Caption));
    const auto pixels = [](int twips) { return twips / velmorand::TwipsPerPixel; };
    window.setFixedSize(pixels(velmorand::ClientWidthTwips), pixels(velmorand::ClientHeightTwips));
    for (const ControlRow& row : velmorand::Form1Layout()) {
        QWidget* control = MakeControl(row, &window);
        // The fraction bar has no height of its own; give it the same 2 pixels as the program.
        const velmorand::Twips& p = row.Place;
        control->setGeometry(pixels(p.Left), pixels(p.Top), pixels(p.Width),
                             std::max(pixels(p.Height), velmorand::LineThicknessPixels));
    }
    window.show();
    return QApplication::exec();
}
