#pragma once

#include <QString>

namespace velmorand {

// Asks the desktop to open a web address in the user's browser. Whether that works is
// not examined: the program carries on either way.
void OpenInBrowser(const QString& address);

} // namespace velmorand
