// A label that opens a page when it is clicked: the links «>>» and «>>>>».
#pragma once

#include <QLabel>

#include <functional>

namespace velmorand {

// Drawn as a label; to a screen reader a link from the moment it exists, whose press action
// opens the page. Qt asks for a widget's accessibility interface as soon as a label's text is
// set and keeps the answer for the widget's life, so the role cannot wait for a name or a
// property given later: it follows from the class, and the text is set only once the object
// is a LinkLabel.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> open, QWidget* parent);

    // Opens the page, as a click on the label does.
    void open() const;

private:
    std::function<void()> open_;
};

} // namespace velmorand
