#include "practice/command_line.h"
#include "practice/sheet.h"
#include "qt/sheet_painter.h"
#include "qt/start_window.h"
#include "window/version.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

// Where the sheets go when no -o names a file: the current folder.
constexpr char DefaultSheetsFile[] = "Листы.pdf";

void SetNames() {
    QCoreApplication::setApplicationName(QStringLiteral("velmorand"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORAND_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmorand.Velmorand"));
}

// "--sheets": the PDF written, and no window. It needs no display: the fonts come from the
// system through Qt's offscreen platform.
int WriteSheets(int argc, char* argv[], const velmorand::StartOptions& options) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetNames();
    const velmorand::SheetOptions sheet =
        velmorand::ClampSheetOptions({.Level = options.Level,
                                      .Variant = options.Variant,
                                      .Variants = options.Variants,
                                      .Problems = options.Problems,
                                      .Answers = options.Answers,
                                      .Large = options.Large});
    // The name as the system gave it, in its own encoding: a Cyrillic name stays the same file.
    const QString path = options.Output.empty()
                             ? QString::fromUtf8(DefaultSheetsFile)
                             : QFile::decodeName(QByteArray::fromStdString(options.Output));
    const std::vector<velmorand::SheetPage> pages = velmorand::MakeSheets(sheet);
    QString error;
    if (!velmorand::WriteSheetsPdf(path, pages, &error)) {
        std::fprintf(stderr, "velmorand: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", QString::fromUtf8("Листы записаны в «%1»: страниц %2.")
                            .arg(path)
                            .arg(pages.size())
                            .toLocal8Bit()
                            .constData());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before Qt is started: the sheets need no window and so no display.
    const std::vector<std::string_view> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
    const velmorand::StartOptions start = velmorand::ParseCommandLine(raw);
    if (start.Sheets)
        return WriteSheets(argc, argv, start);

    QApplication app(argc, argv);
    SetNames();
    // QApplication has taken its own options (-platform, -style ...) out of argv.
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto window = velmorand::MakeStartWindow(arguments);
    window->show();
    return QApplication::exec();
}
