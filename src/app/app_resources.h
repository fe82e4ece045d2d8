#pragma once

#include <QIcon>
#include <QPixmap>

// The images compiled into the program: the splash window's logo and the program's icon, both
// drawn from resources/obrix_logo.svg (rendered by resources/render_images.sh).
namespace obrix::app {

// Resource path, for code that wants the file rather than the decoded image.
inline constexpr const char* kLogoResource = ":/obrix/logo.png";

// The 161 x 161 logo shown on the splash window.
QPixmap logoPixmap();

// The program's icon with every size the icon file beside the program holds (16 to 256 pixels),
// so each window and the desktop pick the one that suits them.
QIcon applicationIcon();

} // namespace obrix::app
