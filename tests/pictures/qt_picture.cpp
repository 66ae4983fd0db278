// Draws the Qt practice window of a given client size on the offscreen platform, at level 5
// and variant 42, after typing each answer into the answer field with Enter, and saves its
// picture. The settings go to a temporary folder, never the user's.
// Usage: qt_picture WIDTH HEIGHT OUTPUT.png ANSWER...
#include "qt/practice_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 4) {
        std::fputs("Usage: qt_picture WIDTH HEIGHT OUTPUT.png ANSWER...\n", stderr);
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    velmorand::StartOptions start;
    start.Practice = true;
    start.Level = 5;
    start.Variant = 42;
    velmorand::PracticeWindow window(start);
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    QApplication::processEvents();
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("Entry"));
    if (entry == nullptr) {
        std::fputs("qt_picture: the window has no answer field\n", stderr);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        entry->setFocus();
        QTest::keyClicks(entry, QString::fromLocal8Bit(argv[i]));
        QTest::keyClick(entry, Qt::Key_Return);
        QApplication::processEvents();
    }
    return window.grab().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
