// Monitoring (capture while no recording runs) and the level display's style button.

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "recorder/AudioDisplay.h"
#include "resources/Artwork.h"
#include "resources/Twips.h"
#include "shell/frmCapture.h"

#include <QCheckBox>
#include <QLabel>

void frmCapture::CheckPreview_Click()
{
    if (!CheckPreview->isChecked())
        return;
    skipOnError([&] { SelectSource(); });
    startCapture(OnFailure::Skip);
}

void frmCapture::PicPreset1_Click()
{
    // The next style, and after the last (or from a style that is none of
    // them) the first.
    qint32 n = 0;
    skipOnError([&] {
        const qint32 shown = AudioDisplay21->DisplayStyle();
        if (shown >= 0 && shown < PublicDim::PreviewStyleCount - 1)
            n = shown + 1;
    });
    skipOnError([&] { AudioDisplay21->setDisplayStyle(n); });
    PublicDim::PreviewIndex = n;
}

void frmCapture::PicPreset1_MouseMove(int, int, int x, int y)
{
    const int width = PicPreset1->width() * Twips::PerPixel;
    const int height = PicPreset1->height() * Twips::PerPixel;
    if (x >= 0 && x <= width && y >= 0 && y <= height) {
        // Holding the mouse lets the picture see the pointer leave.
        PicPreset1->grabMouse();
        PicPreset1->setPixmap(Artwork::styleButton(true));
    } else {
        PicPreset1->releaseMouse();
        PicPreset1->setPixmap(Artwork::styleButton(false));
    }
}

void frmCapture::PicPreset1_MouseUp(int, int, int, int)
{
    PicPreset1->setPixmap(Artwork::styleButton(false));
}
