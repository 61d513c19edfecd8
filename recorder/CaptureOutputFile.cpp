// The output file: the "&Browse..." button beside "Save as:".

#include "shell/frmCapture.h"

void frmCapture::Command2_Click()
{
    // The Save dialog arrives with the recording console's output file choice.
}
