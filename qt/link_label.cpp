#include "link_label.h"

#include <utility>

namespace velmorand {

LinkLabel::LinkLabel(const QString& text, std::function<void()> open, QWidget* parent)
    : QLabel(parent), open_(std::move(open)) {
    setText(text);
}

void LinkLabel::open() const {
    if (open_ && isEnabled())
        open_();
}

} // namespace velmorand
