#include "ui/text_box_style.h"

#include "ui/window_fonts.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace obrix::ui {

namespace {

// The system edit control keeps its text close to the edge. Qt's default margin of 4 pixels
// would cost a line of text in the small citation boxes and wrap the note's hand-broken lines
// early.
constexpr qreal kTextBoxMargin = 1.0;

} // namespace

void styleTextBox(QPlainTextEdit& box, TextBoxBorder border, TextBoxBackground background) {
    box.setFont(windowFont());
    box.setFrameShape(border == TextBoxBorder::None ? QFrame::NoFrame : QFrame::StyledPanel);
    if (border == TextBoxBorder::Sunken) {
        box.setFrameShadow(QFrame::Sunken);
    }
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setTabChangesFocus(true);
    box.document()->setDocumentMargin(kTextBoxMargin);
    if (background == TextBoxBackground::ButtonFace) {
        QPalette palette = box.palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Button));
        }
        box.setPalette(palette);
    }
}

void makeReadOnlySelectable(QPlainTextEdit& box) {
    box.setReadOnly(true);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setFocusPolicy(Qt::StrongFocus);
}

} // namespace obrix::ui
