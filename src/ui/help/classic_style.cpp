#include "ui/help/classic_style.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>

namespace obrix::ui::help {

namespace {

void registerStandIn() {
    // Another window may already have registered the same substitution; adding it twice would
    // only duplicate the entry, so look first.
    if (!QFont::substitutes(QString::fromLatin1(kClassicFamily))
             .contains(QString::fromLatin1(kClassicStandIn), Qt::CaseInsensitive)) {
        QFont::insertSubstitution(QString::fromLatin1(kClassicFamily),
                                  QString::fromLatin1(kClassicStandIn));
    }
}

// The system edit control keeps its text close to the edge; Qt's default margin of 4 pixels
// would cost a line of text in the small citation boxes.
constexpr qreal kTextBoxMargin = 1.0;

} // namespace

QFont classicFont(bool bold) {
    registerStandIn();
    QFont font(QString::fromLatin1(kClassicFamily));
    font.setPointSizeF(kClassicPointSize);
    font.setBold(bold);
    return font;
}

void styleTextBox(QPlainTextEdit& box, TextBoxBorder border, TextBoxBackground background) {
    box.setFont(classicFont(false));
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

} // namespace obrix::ui::help
