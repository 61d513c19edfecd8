#include "base/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

class DesktopShell : public Shell
{
public:
    bool open(const QString &address) override
    {
        if (address.trimmed().isEmpty())
            return false;
        const QUrl url = QFileInfo(address).isAbsolute() ? QUrl::fromLocalFile(address)
                                                         : QUrl::fromUserInput(address);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

Shell *g_override = nullptr;

} // namespace

Shell &Shell::instance()
{
    static DesktopShell real;
    return g_override ? *g_override : real;
}

void Shell::setInstance(Shell *shell)
{
    g_override = shell;
}
