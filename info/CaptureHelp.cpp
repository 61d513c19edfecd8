// Help, the update page, the product links and the about window.

#include "info/ProductLinks.h"
#include "shell/Settings.h"
#include "shell/Shell.h"
#include "shell/SkipOnError.h"
#include "shell/frmCapture.h"

void frmCapture::Menu_Contents_Click()
{
    // The help arrives with the information issue.
}

void frmCapture::Menu_CheckUpdate_Click()
{
    skipOnError([&] { Shell::instance().open(UpdatePageUrl); });
}

void frmCapture::Menu_More_Click(int index)
{
    if (index >= 0 && index < int(ProductLinks.size()))
        skipOnError([&] { Shell::instance().open(QString::fromUtf8(ProductLinks[index].address)); });
}

void frmCapture::Menu_About_Click()
{
    // The about window arrives with the information issue.
}
