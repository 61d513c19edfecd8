// The main window's side of the record wizard.

#include "shell/frmCapture.h"

void frmCapture::Menu_Wizard_Click()
{
    // The record wizard arrives with its own issue.
}
