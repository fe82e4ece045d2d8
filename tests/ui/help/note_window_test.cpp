// The scoring-note window: its text, its look, one window at a time, and its life apart from the
// main window.
#include "ui/help/frmNote.h"
#include "ui/help/note_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using obrix::ui::frmNote;
using obrix::ui::scoringNoteText;
using obrix::ui::showScoringNote;

namespace {

QList<frmNote*> visibleNotes() {
    QList<frmNote*> notes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* note = qobject_cast<frmNote*>(widget); note != nullptr && note->isVisible()) {
            notes.append(note);
        }
    }
    return notes;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What a text widget gives back for the note: each CR LF is one line break.
QString noteAsShown() {
    return scoringNoteText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class NoteWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void showsTheNoteLineForLine();
    void fixedCentredWindowWithCloseButtonOnly();
    void txtNoteIsAFlatEditableBoxWithoutScrollBars();
    void focusStartsInTheNote();
    void askingTwiceKeepsOneWindow();
    void editsLastOnlyAsLongAsTheWindow();
    void reopeningRightAfterClosingGivesAFreshWindow();
    void caretReachesTextBelowTheBox();
    void noteOutlivesTheMainWindowAndEndsTheProgram();
};

void NoteWindowTest::cleanup() {
    for (frmNote* note : visibleNotes()) {
        note->close();
    }
    flushDeletes();
    QVERIFY(visibleNotes().isEmpty());
}

void NoteWindowTest::showsTheNoteLineForLine() {
    frmNote* note = showScoringNote();
    QCOMPARE(note->txtNote->toPlainText(), noteAsShown());
    // 27 lines, each ended by a break, so the box holds one empty block after the last line.
    QCOMPARE(note->txtNote->document()->blockCount(), 28);
    QCOMPARE(note->txtNote->document()->findBlockByNumber(26).text(),
             QStringLiteral("https://doi.org/10.1037/pas0000075"));
}

void NoteWindowTest::fixedCentredWindowWithCloseButtonOnly() {
    frmNote* note = showScoringNote();
    QCOMPARE(note->objectName(), QStringLiteral("frmNote"));
    QCOMPARE(note->windowTitle(), QStringLiteral("Scoring Notes"));
    QCOMPARE(note->parentWidget(), nullptr);
    QVERIFY(note->isWindow());
    QCOMPARE(note->windowModality(), Qt::NonModal);

    QCOMPARE(note->size(), QSize(424, 388)); // 6360 x 5820 twips
    QCOMPARE(note->minimumSize(), note->maximumSize());

    const Qt::WindowFlags flags = note->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The whole window is centred, frame included, as far as the frame is known: on Windows at
    // once, under an X11 window manager only once it has framed the window.
    const QPoint offCentre =
        note->frameGeometry().center() - note->screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 8 && qAbs(offCentre.y()) <= 8,
             "the note is not centred on the screen");

    const QList<QWidget*> focusable = [note] {
        QList<QWidget*> result;
        for (QWidget* child : note->findChildren<QWidget*>()) {
            if (child->focusPolicy() != Qt::NoFocus && child->isWindow() == false &&
                child->parentWidget() == note) {
                result.append(child);
            }
        }
        return result;
    }();
    QCOMPARE(focusable, QList<QWidget*>{note->txtNote});
}

void NoteWindowTest::txtNoteIsAFlatEditableBoxWithoutScrollBars() {
    const QPlainTextEdit* box = showScoringNote()->txtNote;
    QCOMPARE(box->objectName(), QStringLiteral("txtNote"));
    QCOMPARE(box->geometry(), QRect(8, 8, 401, 369)); // 120, 120, 6015, 5535 twips
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->frameShape(), QFrame::NoFrame);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
}

void NoteWindowTest::focusStartsInTheNote() {
    frmNote* note = showScoringNote();
    QVERIFY(QTest::qWaitForWindowActive(note));
    QCOMPARE(QApplication::focusWidget(), note->txtNote);
    QCOMPARE(note->txtNote->textCursor().position(), 0);
}

void NoteWindowTest::askingTwiceKeepsOneWindow() {
    frmNote* first = showScoringNote();
    first->txtNote->appendPlainText(QStringLiteral("typed"));
    frmNote* second = showScoringNote();
    QCOMPARE(second, first);
    QCOMPARE(visibleNotes().size(), 1);
    // Bringing the open window forward leaves what the user typed alone.
    QVERIFY(second->txtNote->toPlainText().endsWith(QStringLiteral("typed")));
}

void NoteWindowTest::editsLastOnlyAsLongAsTheWindow() {
    QPointer<frmNote> note = showScoringNote();
    QVERIFY(QTest::qWaitForWindowActive(note));
    QTest::keyClicks(note->txtNote, QStringLiteral("scribble"));
    QVERIFY(note->txtNote->toPlainText().startsWith(QStringLiteral("scribble")));

    note->close();
    flushDeletes();
    QVERIFY(note.isNull()); // closing destroys the window

    frmNote* reopened = showScoringNote();
    QCOMPARE(reopened->txtNote->toPlainText(), noteAsShown());
}

void NoteWindowTest::reopeningRightAfterClosingGivesAFreshWindow() {
    // Deleting a closed window waits for the event loop; asking again before that must not
    // revive the closed one or hand back a window that is about to go.
    frmNote* closed = showScoringNote();
    closed->txtNote->setPlainText(QStringLiteral("edited"));
    closed->close();

    QPointer<frmNote> reopened = showScoringNote();
    QVERIFY(reopened.data() != closed);
    QVERIFY(reopened->isVisible());
    flushDeletes();
    QVERIFY(!reopened.isNull());
    QCOMPARE(reopened->txtNote->toPlainText(), noteAsShown());
    QCOMPARE(visibleNotes().size(), 1);
}

void NoteWindowTest::caretReachesTextBelowTheBox() {
    frmNote* note = showScoringNote();
    QVERIFY(QTest::qWaitForWindowExposed(note));
    QPlainTextEdit* box = note->txtNote;
    // None of the note's 27 lines wraps, and together they fit the box.
    const QTextDocument& text = *box->document();
    qreal height = 2 * text.documentMargin();
    for (QTextBlock line = text.begin(); line.blockNumber() < 27; line = line.next()) {
        QCOMPARE(line.layout()->lineCount(), 1);
        height += text.documentLayout()->blockBoundingRect(line).height();
    }
    QVERIFY(height <= box->viewport()->height());
    // Lines typed below it are reached with the caret, as the box has no scroll bars.
    box->appendPlainText(QString(40, u'\n'));
    box->moveCursor(QTextCursor::Start);
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);

    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
}

void NoteWindowTest::noteOutlivesTheMainWindowAndEndsTheProgram() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QWidget mainWindow;
    mainWindow.show();
    QPointer<frmNote> note = showScoringNote();

    // Timers are tied to this context so that none outlives the test.
    QObject context;
    bool noteUpAfterMainClosed = false;
    QTimer::singleShot(0, &context, [&] {
        mainWindow.close();
        QTimer::singleShot(100, &context, [&] {
            noteUpAfterMainClosed = !note.isNull() && note->isVisible();
            if (!note.isNull()) {
                note->close();
            }
        });
    });
    QTimer::singleShot(10000, &context, [] { QCoreApplication::exit(2); });

    // Returns 0 once the last window has closed; 2 if the program would have kept running.
    const int exitCode = QApplication::exec();
    QVERIFY2(noteUpAfterMainClosed, "the program ended with the main window");
    QCOMPARE(exitCode, 0);
}

int runNoteWindowTests(int argc, char** argv) {
    NoteWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "note_window_test.moc"
