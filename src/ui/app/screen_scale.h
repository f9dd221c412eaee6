#pragma once
// Window sizes are designed in pixels of a 96 dots-per-inch screen; these
// scale them to the screen the program runs on.

#include <QFont>

namespace solmon::ui {

double ScreenScale();
int Px(int designPixels);
// The platform's sans-serif face at a pixel or point size.
QFont SansSerifPixels(int designPixels);
QFont SansSerifPoints(int points);

}  // namespace solmon::ui
