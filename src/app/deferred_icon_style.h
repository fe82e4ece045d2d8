#pragma once

#include <QProxyStyle>

// The application's style, unchanged, except that the menu bar's extension-button icons (the
// "more items" arrows) are decoded when first drawn rather than when a menu bar is built. Qt
// decodes them by asking every image-format plugin whether it reads PNG files, which loads all of
// those plugins, the SVG module among them, before the main window can appear; the button itself
// shows only in a menu bar too narrow for its menus.
namespace obrix::app {

class DeferredIconStyle : public QProxyStyle {
public:
    // Wraps the style named by `styleKey` (the one the application would use by itself).
    explicit DeferredIconStyle(const QString& styleKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts a DeferredIconStyle over the style the application has chosen (desktop, -style option or
// QT_STYLE_OVERRIDE).
void installDeferredIconStyle();

} // namespace obrix::app
