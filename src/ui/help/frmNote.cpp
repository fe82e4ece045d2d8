#include "ui/help/frmNote.h"

#include "ui/accessibility/accessible_names.h"
#include "ui/help/note_text.h"
#include "ui/text_box_style.h"
#include "ui/twips.h"
#include "ui/window_fonts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>

namespace obrix::ui {

namespace {

constexpr int kClientWidth = 6360;
constexpr int kClientHeight = 5820;

// The one note window, if open. QPointer clears itself when the window is deleted.
QPointer<frmNote>& openNote() {
    static QPointer<frmNote> note;
    return note;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // The outer frame is centred; before the window exists its size is the client's.
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

frmNote::frmNote()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmNote"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Scoring Notes"));
    setWindowIcon(QApplication::windowIcon());
    setFont(windowFont());
    setFixedSize(twipsSize(kClientWidth, kClientHeight));

    txtNote = new QPlainTextEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    styleTextBox(*txtNote, TextBoxBorder::None, TextBoxBackground::ButtonFace);
    txtNote->setFont(noteFont());
    txtNote->setGeometry(twipsRect(120, 120, 6015, 5535));
    txtNote->setPlainText(scoringNoteText());
    txtNote->setFocus(Qt::OtherFocusReason);

    describe(txtNote, QStringLiteral("Scoring note"));
    centreOnScreen(*this);
}

void frmNote::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the platform knows the frame (at once on Windows), centre again with its true size.
    if (!centred_) {
        centred_ = true;
        centreOnScreen(*this);
    }
}

frmNote* showScoringNote() {
    QPointer<frmNote>& note = openNote();
    // A closed window is only hidden until its deferred deletion runs; it no longer counts.
    if (note.isNull() || !note->isVisible()) {
        note = new frmNote();
        note->show();
        return note.data();
    }
    note->setWindowState(note->windowState() & ~Qt::WindowMinimized);
    note->raise();
    note->activateWindow();
    return note.data();
}

} // namespace obrix::ui
