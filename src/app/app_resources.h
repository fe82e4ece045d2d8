#pragma once

#include <QIcon>
#include <QPixmap>

// The images compiled into the program: the splash window's logo and the program's icon, both
// drawn from resources/obrix_logo.svg (rendered by resources/render_images.sh).
namespace obrix::app {

// The 161 x 161 logo shown on the splash window.
QPixmap logoPixmap();

// The program's icon with every size the record-file icon holds (16 to 256 pixels, compiled in as
// PNG images), so each window and the desktop pick the one that suits them.
QIcon applicationIcon();

} // namespace obrix::app
