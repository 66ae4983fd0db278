#include "open_link.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace velmorand {

void OpenLink(const QString& address) {
#ifdef Q_OS_WIN
    const QByteArray file = address.toLocal8Bit(); // the system's ANSI code page
    ShellExecuteA(GetDesktopWindow(), "Open", file.constData(), "", "c:\\", SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl(address));
#endif
}

} // namespace velmorand
