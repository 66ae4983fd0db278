#include "practice/command_line.h"
#include "practice/problem_set.h"
#include "practice/sheet.h"
#include "practice/sheet_words.h"
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
    // The teacher's problems, when given, and all of them sound: a set with a bad line writes
    // no sheets of other problems.
    const velmorand::SetReading set = velmorand::ReadProblemSet(options.Set);
    if (!options.Set.empty() && !set.Good()) {
        std::fprintf(
            stderr, "velmorand: %s\n",
            QString::fromStdString(velmorand::SetErrorText(set)).toLocal8Bit().constData());
        return 1;
    }
    const velmorand::PrintedSheetsOptions sheet =
        velmorand::ClampPrintedSheetsOptions({.Level = options.Level,
                                              .Variant = options.Variant,
                                              .Variants = options.Variants,
                                              .Problems = options.Problems,
                                              .Answers = options.Answers,
                                              .Large = options.Large,
                                              .Set = set.Problems});
    // The name as the system gave it, in its own encoding: a Cyrillic name stays the same file.
    const QString path =
        options.Output.empty()
            ? QString::fromUtf8(velmorand::PrintedWords.FileName) // in the current folder
            : QFile::decodeName(QByteArray::fromStdString(options.Output));
    const std::vector<velmorand::PrintedPage> pages = velmorand::MakePrintedSheets(sheet);
    QString error;
    if (!velmorand::WritePrintedSheetsPdf(path, pages, &error)) {
        std::fprintf(stderr, "velmorand: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const velmorand::PrintedSheetsWords& words = velmorand::PrintedWords;
    const QString written = QString::fromUtf8(words.Written) +
                            QString::fromUtf8("«%1». ").arg(path) +
                            QString::fromUtf8(words.PageCount) + QString::number(pages.size());
    std::printf("%s\n", written.toLocal8Bit().constData());
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
