// The faces the layout names, as the fonts this machine has (the same stand-ins as the drawing
// surface uses).
#pragma once

#include <string>

#include <QFont>

// A font of the face named by the layout, `pixelHeight` pixels high (a layout height of -12 is 12
// pixels). An unknown face name is passed on unchanged.
QFont ScreenFont(const std::string& face, int pixelHeight);
