#include "skin_painter.h"

#include "canvas.h"
#include "console.h"
#include "frames.h"
#include "KeyColours.h"
#include "logo.h"
#include "scenery.h"

Bitmap paintSkin(const Outline& outline) {
    Canvas canvas(kSkinWidth, kSkinHeight, Colour{});
    paintSky(canvas);
    paintMountains(canvas);
    paintPaneFrame(canvas);
    paintPlinth(canvas);
    paintTrays(canvas);
    paintWells(canvas);
    paintLogo(canvas);
    paintWindowFrame(canvas, outline);

    Bitmap skin = canvas.toBitmap();
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            if (outline.isCut(x, y)) {
                std::uint8_t* p = skin.pixel(x, y);
                p[0] = kKeyRed;
                p[1] = kKeyGreen;
                p[2] = kKeyBlue;
            }
        }
    }
    return skin;
}
