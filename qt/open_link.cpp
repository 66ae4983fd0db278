#include "open_link.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmorand {

void OpenInBrowser(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

} // namespace velmorand
