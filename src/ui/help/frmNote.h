#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace obrix::ui {

// The scoring-note window: a fixed, centred window whose only control, txtNote, holds the
// scoring note (see scoringNoteText()). The text can be edited, but edits last only as long as
// the window: each new window starts from the note again.
//
// Open it through showScoringNote() rather than directly, so that there is only ever one.
class frmNote final : public QWidget {
    Q_OBJECT

public:
    // A top-level window without owner; deletes itself when closed.
    frmNote();

    QPlainTextEdit* txtNote = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool centred_ = false;
};

// Shows the scoring note without a modal state and without an owner window, and returns at once.
// If a note window is open already it is brought to the front (edits in it are kept); otherwise
// a new one is made with the original text and the focus in txtNote. Closing the window destroys
// it. Because it has no owner, it outlives the main window: with QApplication's default
// quitOnLastWindowClosed the program ends only when the note is closed too.
//
// Returns the window shown; it stays valid until the user closes it (watch with QPointer).
frmNote* showScoringNote();

} // namespace obrix::ui
