#include "app/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

namespace obrix::app {

namespace {

// An icon that asks for the real one the first time anything needs its images.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Not null until made: the styles this wraps all draw these arrows, and asking would make it.
    bool isNull() override { return icon_ && icon_->isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override {
        auto* copy = new DeferredIconEngine(make_);
        copy->icon_ = icon_;
        return copy;
    }

private:
    const QIcon& icon() {
        if (!icon_) {
            icon_ = make_();
        }
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

bool isExtensionButton(QStyle::StandardPixmap standardIcon) {
    return standardIcon == QStyle::SP_ToolBarHorizontalExtensionButton ||
           standardIcon == QStyle::SP_ToolBarVerticalExtensionButton;
}

} // namespace

DeferredIconStyle::DeferredIconStyle(const QString& styleKey)
    : QProxyStyle(styleKey) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (!isExtensionButton(standardIcon) || option != nullptr) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // The widget is looked at when the icon is made (its layout direction picks the arrow), so it
    // is held weakly: the icon may outlive it.
    const QPointer<QWidget> guarded(const_cast<QWidget*>(widget));
    const QPointer<QStyle> base(baseStyle());
    return QIcon(new DeferredIconEngine([base, guarded, standardIcon, hadWidget = widget != nullptr] {
        if (!base || (hadWidget && !guarded)) {
            return QIcon();
        }
        return base->standardIcon(standardIcon, nullptr, guarded.data());
    }));
}

void installDeferredIconStyle() {
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
}

} // namespace obrix::app
