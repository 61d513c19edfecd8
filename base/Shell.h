#pragma once

#include <QString>

// Hands an address (a web page, a help file) to the desktop, which opens it in
// the user's browser or viewer. Returns at once; false when the desktop
// refused. Tests install a recording double with Shell::setInstance().
class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &address) = 0;

    static Shell &instance();
    // Installs a replacement (not owned); nullptr restores the desktop.
    static void setInstance(Shell *shell);
};
