#pragma once

#include <QFont>

// The splash window's typeface.
namespace obrix::app {

// Family name the splash labels ask for.
inline constexpr const char* kSplashFamily = "Monotype Corsiva";

// Metric-close chancery italics that stand in where the family is missing (Debian ships them in
// fonts-urw-base35 and fonts-texgyre), tried in this order.
inline constexpr const char* kSplashStandIns[] = {"Z003", "URW Chancery L", "TeX Gyre Chorus"};

// "Monotype Corsiva" bold italic at the given size. Registers the stand-ins (once).
QFont splashFont(double pointSize);

} // namespace obrix::app
