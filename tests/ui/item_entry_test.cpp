// Typing into the item boxes: the keystroke filter as a user meets it, through the real key path
// (shortcut override, the combo box, its line edit), and the window-wide Ctrl shortcuts.

#include "main_window_fixture.h"
#include "ui/item_entry_filter.h"

#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using obrix::ui::frmMain;
using obrix::ui::testing::pressKey;
using obrix::ui::testing::WindowFixture;

namespace {

constexpr int kNoCharacter = -1;

} // namespace

class ItemEntryTest : public QObject {
    Q_OBJECT

private slots:
    void typedCharacterOfKeys_data();
    void typedCharacterOfKeys();
    void typingIntoAnItemBox_data();
    void typingIntoAnItemBox();
    void keyboardPasteDoesNothing_data();
    void keyboardPasteDoesNothing();
    void contextMenuPasteIsNotFiltered();
    void pickingFromTheListIsNotFiltered();
    void lengthIsNotLimited();
    void menuShortcutsWinOverTextBoxes_data();
    void menuShortcutsWinOverTextBoxes();
    void everyMenuShortcutRunsItsCommand_data();
    void everyMenuShortcutRunsItsCommand();
};

void ItemEntryTest::typedCharacterOfKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("allowed");

    const auto none = Qt::KeyboardModifiers(Qt::NoModifier);
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("digit 0") << int(Qt::Key_0) << none << "0" << int('0') << true;
    QTest::newRow("digit 4") << int(Qt::Key_4) << none << "4" << int('4') << true;
    QTest::newRow("digit 5") << int(Qt::Key_5) << none << "5" << int('5') << false;
    QTest::newRow("keypad 3") << int(Qt::Key_3) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "3"
                              << int('3') << true;
    QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << int('a') << false;
    QTest::newRow("shifted 1") << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << "!" << int('!') << false;
    QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << int(' ') << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8 << true;
    QTest::newRow("Ctrl+H is backspace") << int(Qt::Key_H) << ctrl << "" << 8 << true;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "c" << 3 << false;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "\x16" << 22 << false;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "" << 26 << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << 13 << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << 27 << false;
    QTest::newRow("AltGr character")
        << int(Qt::Key_At) << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << "@"
        << int('@') << false;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << kNoCharacter << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << kNoCharacter << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << kNoCharacter << true;
    QTest::newRow("F4") << int(Qt::Key_F4) << none << "" << kNoCharacter << true;
    QTest::newRow("Ctrl+digit") << int(Qt::Key_7) << ctrl << "7" << kNoCharacter << true;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << "" << kNoCharacter << true;
}

void ItemEntryTest::typedCharacterOfKeys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(bool, allowed);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    const auto code = obrix::ui::typedCharacter(event);
    QCOMPARE(code ? int(*code) : kNoCharacter, expected);
    // "allowed" means the keystroke reaches the box: no character, or one the filter accepts.
    QCOMPARE(!code || obrix::ui::itemCharacterAllowed(*code), allowed);
}

void ItemEntryTest::typingIntoAnItemBox_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("expected");

    const auto typed = [](const QString& text) {
        QTestEventList keys;
        keys.addKeyClicks(text);
        return keys;
    };
    QTestEventList keys;

    QTest::newRow("7 is dropped") << "" << typed("7") << "";
    QTest::newRow("3 then 7 keeps 3") << "" << typed("37") << "3";
    QTest::newRow("4 then 4 gives 44") << "" << typed("44") << "44";
    QTest::newRow("every allowed digit") << "" << typed("01234") << "01234";
    QTest::newRow("letters, signs, blanks, point") << "" << typed("a -+.,e9") << "";

    keys.clear();
    keys.addKeyClick(Qt::Key_Return);
    keys.addKeyClick(Qt::Key_Escape);
    QTest::newRow("Enter and Escape") << "2" << keys << "2";

    keys.clear();
    keys.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("Backspace deletes before the caret") << "12" << keys << "1";

    keys.clear();
    keys.addKeyClick(Qt::Key_Home);
    keys.addKeyClick(Qt::Key_Delete);
    QTest::newRow("Delete deletes after the caret") << "12" << keys << "2";

    keys.clear();
    keys.addKeyClick(Qt::Key_H, Qt::ControlModifier);
    QTest::newRow("Ctrl+H deletes before the caret") << "123" << keys << "12";

    keys.clear();
    keys.addKeyClick(Qt::Key_Left);
    keys.addKeyClicks("0");
    QTest::newRow("arrows move the caret") << "12" << keys << "102";

    keys.clear();
    keys.addKeyClicks("34");
    keys.addKeyClick(Qt::Key_Z, Qt::ControlModifier);
    QTest::newRow("Ctrl+Z undoes nothing") << "" << keys << "34";

    keys.clear();
    keys.addKeyClick(Qt::Key_Home);
    keys.addKeyClick(Qt::Key_End, Qt::ShiftModifier);
    keys.addKeyClick(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    keys.addKeyClick(Qt::Key_C, Qt::ControlModifier);
    QTest::newRow("other Ctrl letters do nothing") << "21" << keys << "21";

    keys.clear();
    keys.addKeyClick(Qt::Key_2, Qt::KeypadModifier);
    QTest::newRow("keypad digit") << "" << keys << "2";
}

void ItemEntryTest::typingIntoAnItemBox() {
    QFETCH(QString, initial);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, expected);

    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QComboBox* box = fixture.window->Combo7;
    box->setEditText(initial);
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);

    keys.simulate(QApplication::focusWidget());

    QCOMPARE(box->currentText(), expected);
    QCOMPARE(box->count(), 5); // nothing typed ever becomes a list entry
    QCOMPARE(fixture.window->isVisible(), true);
}

void ItemEntryTest::keyboardPasteDoesNothing_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("a digit out of range") << "9";
    QTest::newRow("an allowed digit") << "3";
}

void ItemEntryTest::keyboardPasteDoesNothing() {
    QFETCH(QString, clipboard);
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QApplication::clipboard()->setText(clipboard);
    fixture.window->Combo2->setFocus();
    QTRY_VERIFY(fixture.window->Combo2->hasFocus());

    pressKey(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(fixture.window->Combo2->currentText(), QString());
}

void ItemEntryTest::contextMenuPasteIsNotFiltered() {
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QApplication::clipboard()->setText(QStringLiteral("9"));
    QLineEdit* edit = fixture.window->Combo4->lineEdit();
    QCOMPARE(edit->contextMenuPolicy(), Qt::DefaultContextMenu);

    // The menu a right click opens; its Paste entry is what the user picks.
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste")))
            paste = action;
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    paste->trigger();

    QCOMPARE(fixture.window->Combo4->currentText(), QStringLiteral("9"));
}

void ItemEntryTest::pickingFromTheListIsNotFiltered() {
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QComboBox* box = fixture.window->Combo9;
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());

    // The arrow keys step through the list; the picked text replaces the typed one.
    box->setEditText(QStringLiteral("44"));
    pressKey(Qt::Key_Down);
    QCOMPARE(box->currentText(), QStringLiteral("0"));
    pressKey(Qt::Key_Down);
    QCOMPARE(box->currentText(), QStringLiteral("1"));
    box->setCurrentIndex(4);
    QCOMPARE(box->currentText(), QStringLiteral("4"));
}

void ItemEntryTest::lengthIsNotLimited() {
    WindowFixture fixture;
    const QString longText(40000, QLatin1Char('1'));
    fixture.window->Combo18->setEditText(longText);
    QCOMPARE(fixture.window->Combo18->currentText().size(), longText.size());
}

// Ctrl+A (Save As) and Ctrl+X (Exit) are menu shortcuts everywhere in the window; text boxes
// would otherwise take them as select all and cut.
void ItemEntryTest::menuShortcutsWinOverTextBoxes_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("key");

    const QStringList boxes{QStringLiteral("Combo1"),  QStringLiteral("Combo12"),
                            QStringLiteral("txtName"), QStringLiteral("txtZScoreTotal"),
                            QStringLiteral("Text17"),  QStringLiteral("txtWarning"),
                            QStringLiteral("DTPicker")};
    for (const QString& box : boxes) {
        QTest::addRow("Ctrl+A in %s", qPrintable(box)) << box << int(Qt::Key_A);
        QTest::addRow("Ctrl+X in %s", qPrintable(box)) << box << int(Qt::Key_X);
    }
}

void ItemEntryTest::menuShortcutsWinOverTextBoxes() {
    QFETCH(QString, boxName);
    QFETCH(int, key);

    WindowFixture fixture;
    frmMain& window = *fixture.window;
    window.Frame2->hide();
    window.Frame1->show(); // so that the result and sample boxes can take the focus
    QVERIFY(fixture.showActive());
    for (QComboBox* box : window.itemBoxes())
        box->setEditText(QStringLiteral("23"));
    window.txtName->setText(QStringLiteral("client 7"));
    window.txtZScoreTotal->setText(QStringLiteral("Z Score = 1.55"));

    auto* target = window.findChild<QWidget*>(boxName);
    QVERIFY(target);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    const auto textOf = [target]() -> QString {
        if (auto* combo = qobject_cast<QComboBox*>(target))
            return combo->currentText();
        if (auto* line = qobject_cast<QLineEdit*>(target))
            return line->text();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
            return plain->toPlainText() + QString::number(plain->textCursor().position());
        if (auto* date = qobject_cast<QDateEdit*>(target))
            return date->date().toString(Qt::ISODate);
        return {};
    };
    const auto selectionOf = [target]() -> bool {
        if (auto* combo = qobject_cast<QComboBox*>(target))
            return combo->lineEdit()->hasSelectedText();
        if (auto* line = qobject_cast<QLineEdit*>(target))
            return line->hasSelectedText();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
            return plain->textCursor().hasSelection();
        return false;
    };
    // Ctrl+A starts from a caret without selection (select all would make one); Ctrl+X starts
    // from a selection (cut would remove it).
    const bool select = key == Qt::Key_X;
    if (auto* combo = qobject_cast<QComboBox*>(target))
        select ? combo->lineEdit()->selectAll() : combo->lineEdit()->end(false);
    if (auto* line = qobject_cast<QLineEdit*>(target))
        select ? line->selectAll() : line->end(false);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target); plain && select)
        plain->selectAll();
    const QString before = textOf();
    const bool selectedBefore = selectionOf();

    pressKey(Qt::Key(key), Qt::ControlModifier);

    if (key == Qt::Key_A) {
        QCOMPARE(fixture.runs.value(frmMain::Command::SaveAs), 1);
        QCOMPARE(fixture.unloads, 0);
    } else {
        QCOMPARE(fixture.unloads, 1); // Exit asked to close; the handler kept the window
        QCOMPARE(fixture.runs.value(frmMain::Command::SaveAs), 0);
    }
    QCOMPARE(textOf(), before);
    QCOMPARE(selectionOf(), selectedBefore);
}

void ItemEntryTest::everyMenuShortcutRunsItsCommand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<frmMain::Command>("command");
    QTest::newRow("Ctrl+N New") << int(Qt::Key_N) << frmMain::Command::New;
    QTest::newRow("Ctrl+O Open") << int(Qt::Key_O) << frmMain::Command::Open;
    QTest::newRow("Ctrl+S Save") << int(Qt::Key_S) << frmMain::Command::Save;
    QTest::newRow("Ctrl+A Save As") << int(Qt::Key_A) << frmMain::Command::SaveAs;
    QTest::newRow("Ctrl+P Print") << int(Qt::Key_P) << frmMain::Command::Print;
    QTest::newRow("Ctrl+T Scoring Note") << int(Qt::Key_T) << frmMain::Command::ScoringNote;
    QTest::newRow("Ctrl+B About") << int(Qt::Key_B) << frmMain::Command::About;
}

void ItemEntryTest::everyMenuShortcutRunsItsCommand() {
    QFETCH(int, key);
    QFETCH(frmMain::Command, command);
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QTRY_VERIFY(fixture.window->Combo1->hasFocus());

    pressKey(Qt::Key(key), Qt::ControlModifier);

    QCOMPARE(fixture.runs.value(command), 1);
    int total = 0;
    for (int runs : fixture.runs)
        total += runs;
    QCOMPARE(total, 1);
}

QTEST_MAIN(ItemEntryTest)
#include "item_entry_test.moc"
