#include "platform/widgets/screen_font.h"

#include "platform/image_canvas.h"

QFont ScreenFont(const std::string& face, int pixelHeight)
{
    QFont font(FontFace(face));
    font.setPixelSize(pixelHeight);
    return font;
}
