#include "app/splash_font.h"

#include <QStringList>

namespace obrix::app {

namespace {

void registerStandIns() {
    QStringList standIns;
    for (const char* family : kSplashStandIns) {
        standIns << QString::fromLatin1(family);
    }
    QFont::insertSubstitutions(QString::fromLatin1(kSplashFamily), standIns);
}

} // namespace

QFont splashFont(double pointSize) {
    static const bool registered = (registerStandIns(), true);
    (void)registered;

    QFont font(QString::fromLatin1(kSplashFamily));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace obrix::app
