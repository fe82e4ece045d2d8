#pragma once

// Helpers shared by the main window tests: a window with a fixed "today", scripted message boxes,
// command handlers that count their runs, and typing into the widget that really has the focus.

#include "test_services.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QMap>
#include <QTest>

#include <memory>

namespace obrix::ui::testing {

inline const QDate kToday(2024, 3, 14);

// A shown, active main window whose commands count their runs instead of doing anything.
class WindowFixture {
public:
    explicit WindowFixture(scoring::NormalDistributionSource::Factory statistics = {})
        : doubles(kToday)
        , messages(doubles.messages) {
        window = std::make_unique<frmMain>(doubles.services(), std::move(statistics));
        for (auto command : {frmMain::Command::New, frmMain::Command::Open, frmMain::Command::Save,
                             frmMain::Command::SaveAs, frmMain::Command::Print,
                             frmMain::Command::ScoringNote, frmMain::Command::About})
            window->setCommandHandler(command, [this, command] { ++runs[command]; });
        window->setUnloadHandler([this](bool& cancel) {
            ++unloads;
            cancel = keepOpen;
        });
    }
    ~WindowFixture() { window.reset(); }
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    // Shows the window and waits until it is active, so that keys go where a user's would.
    bool showActive() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    void fillItems(const QString& text) {
        for (QComboBox* box : window->itemBoxes())
            box->setEditText(text);
    }

    obrix::testing::TestServices doubles;
    obrix::testing::MessageBoxScript& messages;
    std::unique_ptr<frmMain> window;
    QMap<frmMain::Command, int> runs;
    int unloads = 0;
    bool keepOpen = true; // the unload handler cancels the closing unless told otherwise
};

// Sends a key click to whatever widget has the keyboard focus, as the platform would.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

} // namespace obrix::ui::testing

Q_DECLARE_METATYPE(obrix::ui::frmMain::Command)
