#pragma once

// The keystroke filter of the 18 item boxes: only the digits 0 to 4 and backspace can be typed.
//
// The filter works on characters, as typed: a key press that produces a character is let through
// only when the character is backspace (code 8, also Ctrl+H) or "0".."4"; any other character is
// dropped silently, including the control characters of Ctrl+letter (Ctrl+C, Ctrl+V, Ctrl+Z),
// Enter and Escape. Keys that produce no character (arrows, Delete, Home, End, Tab, F4,
// Shift+Insert) are not the filter's business and work as usual. Text that arrives without typing
// (picked from the list, pasted with the mouse's context menu, written by the program) is not
// filtered.

#include <QObject>

#include <optional>

class QComboBox;
class QKeyEvent;

namespace obrix::ui {

// The character a key press types, as a 16-bit code; none for a key that types nothing.
// Ctrl+A..Ctrl+Z give the control codes 1..26, Backspace 8, Enter 13, Escape 27.
std::optional<char16_t> typedCharacter(const QKeyEvent& event);

// True for the characters an item box accepts: backspace and "0".."4".
bool itemCharacterAllowed(char16_t code);

// One filter object serves every item box it is attached to.
class ItemEntryFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Applies the filter to the box's typing and lifts Qt's default text limit (32767).
    void attach(QComboBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace obrix::ui
