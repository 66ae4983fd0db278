#include "qt/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmorand"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("example.velmorand.Velmorand"));
    velmorand::Form1 window;
    window.show();
    return QApplication::exec();
}
