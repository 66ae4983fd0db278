// What Qt 6's own accessibility leaves out for screen readers on Linux, and the program adds:
// the window as a frame, field texts read whole, and announcements of changes away from the
// focus.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace velmorand {

// Interfaces for the window, its text fields, its link labels and its announcer. Installed
// once, before the first window is made; Qt asks the factory installed last first.
void InstallAccessibility();

// An object of the accessibility tree alone, without a place on the screen: the keyboard and
// a screen reader's review never meet it. Each announcement shows it anew as a notification
// carrying the text, and Orca says the text whatever has the focus. Where Qt raises
// announcements of its own (6.8 on), they come from `speaker`, the window's status line, or
// from the window when it has none.
class Announcer : public QObject {
public:
    explicit Announcer(QWidget* window, QWidget* speaker = nullptr);

    void announce(const QString& text);
    const QString& text() const { return text_; }

private:
    [[maybe_unused]] QWidget* speaker_; // used where Qt raises announcements itself
    QString text_;
};

} // namespace velmorand
