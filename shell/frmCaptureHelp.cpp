// Help, the update page, the product links and the about window.

#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/Shell.h"
#include "base/SkipOnError.h"
#include "info/FormFlash.h"
#include "info/HelpWindow.h"
#include "info/ProductLinks.h"
#include "shell/frmCapture.h"

void frmCapture::Menu_Contents_Click()
{
    // The help window at the default topic; without the help pages it says
    // where they belong, and nothing else changes.
    skipOnError([&] { HelpWindow::showContents(this, PublicDim::AppFolder); });
}

void frmCapture::Menu_CheckUpdate_Click()
{
    skipOnError([&] { Shell::instance().open(UpdatePageUrl()); });
}

void frmCapture::Menu_More_Click(int index)
{
    if (index >= 0 && index < int(ProductLinks.size()))
        skipOnError([&] { Shell::instance().open(QString::fromUtf8(ProductLinks[index].address)); });
}

void frmCapture::Menu_About_Click()
{
    skipOnError([&] { FormFlash::showOver(this); });
}
