#include "qt/start_window.h"
#include "window/version.h"

#include <QApplication>

#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmorand"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.velmorand.Velmorand"));
    // QApplication has taken its own options (-platform, -style ...) out of argv.
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto window = velmorand::MakeStartWindow(arguments);
    window->show();
    return QApplication::exec();
}
