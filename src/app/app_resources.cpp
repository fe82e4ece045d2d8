#include "app/app_resources.h"

#include <QImageReader>

// The resources live in a static library: without an explicit reference the linker would drop
// them from the executable. Q_INIT_RESOURCE must be used outside any namespace.
static void registerAppResources() {
    Q_INIT_RESOURCE(app_resources);
}

namespace obrix::app {

namespace {

constexpr const char* kLogoResource = ":/obrix/logo.png";

// The icon file's images up to 64 pixels, stored as PNG files of their own (render_images.sh
// writes them with the icon file). On X11 every image of the window icon is decoded and sent to
// the display when the first window is shown; the 256-pixel image alone cost some 10 ms there, so
// it stays in the icon file, where the desktop finds the large image for the file type.
constexpr int kIconSides[] = {16, 24, 32, 48, 64};

void ensureResourcesRegistered() {
    static const bool registered = (registerAppResources(), true);
    (void)registered;
}

// Decodes with Qt's own PNG reader. Left to guess, QImageReader offers every image-format plugin
// the file first, loading them all (and the SVG module with one) during start-up.
QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QPixmap logoPixmap() {
    ensureResourcesRegistered();
    return QPixmap::fromImage(readPng(QString::fromLatin1(kLogoResource)));
}

QIcon applicationIcon() {
    ensureResourcesRegistered();
    // Add every image explicitly, whatever the icon engine would do by itself.
    QIcon icon;
    for (const int side : kIconSides) {
        const QImage image = readPng(QStringLiteral(":/obrix/icon_%1.png").arg(side));
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace obrix::app
