#include "widget_helpers.h"

#include "window/practice_look.h"

#include <QWidget>

#include <cstring>

namespace velmorand {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/velmorand/icons/velmorand-%1.png").arg(size));
    return icon;
}

void UsePracticeLook(QWidget& window) {
    window.setWindowIcon(ProgramIcon());
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, ColourOf(PracticeColours.Panel));
    colours.setColor(QPalette::WindowText, ColourOf(PracticeColours.Text));
    window.setPalette(colours);
    QFont face = window.font();
    face.setFamilies({Words(PracticeFace), Words(PracticeFaceElsewhere)});
    window.setFont(face);
}

bool Named(const PracticeControl& control, const char* name) {
    return std::strcmp(control.Name, name) == 0;
}

QColor ColourOf(Rgb colour) { return QColor::fromRgb(colour | 0xFF000000u); }

QRect RectOf(const PixelRect& rect) { return {rect.Left, rect.Top, rect.Width, rect.Height}; }

QString QuotedPath(const QString& path) { return Words("«%1»: ").arg(path); }

} // namespace velmorand
