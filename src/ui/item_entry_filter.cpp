#include "ui/item_entry_filter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

namespace obrix::ui {

namespace {

constexpr char16_t kBackspace = 8;

QLineEdit* editOf(QObject* watched) {
    if (auto* box = qobject_cast<QComboBox*>(watched))
        return box->lineEdit();
    return qobject_cast<QLineEdit*>(watched);
}

} // namespace

std::optional<char16_t> typedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    switch (key) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\r';
    case Qt::Key_Escape:
        return char16_t{27};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    // Ctrl without Alt (Ctrl+Alt is AltGr on many keyboards) turns a letter into its control
    // code whatever text the platform attaches to the event.
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<char16_t>(key - Qt::Key_A + 1);
        if (key == Qt::Key_BracketLeft)
            return char16_t{27};
        if (key == Qt::Key_Backslash)
            return char16_t{28};
        if (key == Qt::Key_BracketRight)
            return char16_t{29};
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0) == QChar(0x7f))
        return std::nullopt;
    return text.at(0).unicode();
}

bool itemCharacterAllowed(char16_t code) {
    return code == kBackspace || (code >= u'0' && code <= u'4');
}

void ItemEntryFilter::attach(QComboBox* box) {
    box->installEventFilter(this);
    if (QLineEdit* edit = box->lineEdit()) {
        edit->installEventFilter(this);
        edit->setMaxLength(std::numeric_limits<int>::max());
        // Input methods would commit text without key presses; item boxes take plain keys only.
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        // QComboBox switches its editor's context menu off; the mouse's Paste stays available.
        edit->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
}

bool ItemEntryFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    if (!itemCharacterAllowed(*code))
        return true; // dropped without a sound
    if (*code == kBackspace && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Backspace) {
        // Ctrl+H: the line edit has no binding of its own for it, so act as Backspace here.
        if (QLineEdit* edit = editOf(watched))
            edit->backspace();
        return true;
    }
    return false;
}

} // namespace obrix::ui
