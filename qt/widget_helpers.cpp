#include "widget_helpers.h"

#include <cstring>

namespace velmorand {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/velmorand/icons/velmorand-%1.png").arg(size));
    return icon;
}

bool Named(const PracticeControl& control, const char* name) {
    return std::strcmp(control.Name, name) == 0;
}

QColor ColourOf(Rgb colour) { return QColor::fromRgb(colour | 0xFF000000u); }

QRect RectOf(const PixelRect& rect) { return {rect.Left, rect.Top, rect.Width, rect.Height}; }

} // namespace velmorand
