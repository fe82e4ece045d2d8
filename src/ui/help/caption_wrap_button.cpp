#include "ui/help/caption_wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace obrix::ui::help {

CaptionWrapButton::CaptionWrapButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionWrapButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;

    // The style draws the bevel and focus frame; the caption is drawn here, wrapped and centred.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace obrix::ui::help
