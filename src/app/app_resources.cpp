#include "app/app_resources.h"

#include <QImageReader>

// The resources live in a static library: without an explicit reference the linker would drop
// them from the executable. Q_INIT_RESOURCE must be used outside any namespace.
static void registerAppResources() {
    Q_INIT_RESOURCE(app_resources);
}

namespace obrix::app {

namespace {

void ensureResourcesRegistered() {
    static const bool registered = (registerAppResources(), true);
    (void)registered;
}

} // namespace

QPixmap logoPixmap() {
    ensureResourcesRegistered();
    return QPixmap(QString::fromLatin1(kLogoResource));
}

QIcon applicationIcon() {
    ensureResourcesRegistered();
    // Add every image of the icon file explicitly, whatever the icon engine would do by itself.
    QIcon icon;
    QImageReader reader(QString::fromLatin1(kIconResource));
    do {
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    } while (reader.jumpToNextImage());
    return icon;
}

} // namespace obrix::app
