#include "ui/window_fonts.h"

#include <QFontInfo>
#include <QString>
#include <QStringList>

namespace obrix::ui {

void installFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Calibri"), {QStringLiteral("Carlito")});
        return true;
    }();
    (void)installed;
}

QFont windowFont() {
    installFontSubstitutes();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QFont noteFont() {
    constexpr qreal kStandInPointSize = 7.5;
    QFont font = windowFont();
    const QString face = QFontInfo(font).family();
    const bool designFace =
        face.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        face.compare(QStringLiteral("Microsoft Sans Serif"), Qt::CaseInsensitive) == 0;
    if (!designFace)
        font.setPointSizeF(kStandInPointSize);
    return font;
}

QFont titleFont() {
    installFontSubstitutes();
    QFont font(QStringLiteral("Calibri"));
    font.setPointSizeF(18);
    font.setBold(true);
    return font;
}

} // namespace obrix::ui
