#include "qt/form1.h"
#include "window/version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmorand"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.velmorand.Velmorand"));
    velmorand::Form1 window;
    window.show();
    return QApplication::exec();
}
