// The program's message boxes as a screen reader announces them: an alert named by the caption,
// described by the message, with named buttons. The boxes are the real dialogs of
// DialogMessageBoxes, answered by a timer in the test.
//
// Runs on the "minimal" platform (on Windows the "windows" one) instead of the offscreen one, where
// DialogMessageBoxes refuses to show a real dialog (so that no other test can hang on one).
#include "services/message_boxes.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using obrix::services::DialogMessageBoxes;
using obrix::services::MessageAnswer;
using obrix::services::MessageButtons;
using obrix::services::MessageIcon;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

// What the box looked like to a screen reader while it was up.
struct Announcement {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    QStringList buttons;
};

// Once the box is up, records what a screen reader gets from it and presses `answer`. Gives up
// (and closes whatever modal window there is) after a few seconds, so the test cannot hang.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer)
        : answer_(answer) {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
        timer_.start();
        deadline_.start();
    }

    std::optional<Announcement> announcement;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (deadline_.elapsed() > 5000) {
                timer_.stop();
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
            }
            return;
        }
        timer_.stop();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        Announcement seen{
            node->role(), node->text(QAccessible::Name), node->text(QAccessible::Description), {}};
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(
                QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name));
        announcement = seen;
        if (QAbstractButton* button = box->button(answer_))
            button->click();
        else
            box->close();
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    QElapsedTimer deadline_;
};

} // namespace

class MessageBoxAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void boxIsAnnouncedWithItsMessage_data();
    void boxIsAnnouncedWithItsMessage();
};

void MessageBoxAccessibilityTest::boxIsAnnouncedWithItsMessage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("buttonNames");
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("validation") << "All boxes must contain data." << MessageButtons::Ok
                                << MessageIcon::None << "All boxes must contain data."
                                << QStringList{"OK"} << MessageAnswer::Ok;
    // A failure joins its sentence and the system's description with CR LF; read as two lines.
    QTest::newRow("failure with description")
        << "Something went very wrong and resulted in the following error:\r\nAccess denied"
        << MessageButtons::Ok << MessageIcon::None
        << "Something went very wrong and resulted in the following error:\nAccess denied"
        << QStringList{"OK"} << MessageAnswer::Ok;
    QTest::newRow("question") << "Do you want to save the changes?" << MessageButtons::YesNoCancel
                              << MessageIcon::Question << "Do you want to save the changes?"
                              << QStringList{"Yes", "No", "Cancel"} << MessageAnswer::No;
}

void MessageBoxAccessibilityTest::boxIsAnnouncedWithItsMessage() {
    QFETCH(QString, text);
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageIcon, icon);
    QFETCH(QString, spoken);
    QFETCH(QStringList, buttonNames);
    QFETCH(MessageAnswer, answer);

    const auto standard = answer == MessageAnswer::No ? QMessageBox::No : QMessageBox::Ok;
    BoxAnswerer answerer(standard);
    DialogMessageBoxes dialogs;
    const MessageAnswer given = dialogs.show(text, buttons, icon);

    QVERIFY2(answerer.announcement.has_value(), "no message box came up");
    const Announcement& seen = *answerer.announcement;
    QCOMPARE(given, answer);
    QCOMPARE(seen.role, QAccessible::AlertMessage);
    QCOMPARE(seen.name, QStringLiteral("Obrix"));
    QCOMPARE(seen.description, spoken);
    QStringList sortedSeen = seen.buttons;
    QStringList sortedWanted = buttonNames;
    sortedSeen.sort();
    sortedWanted.sort();
    QCOMPARE(sortedSeen, sortedWanted);
}

int main(int argc, char** argv) {
#ifdef _WIN32
    // The system's own platform shows real dialogs, and the program ships no other.
    qputenv("QT_QPA_PLATFORM", "windows");
#else
    qputenv("QT_QPA_PLATFORM", "minimal");
#endif
    QApplication app(argc, argv);
    MessageBoxAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "message_box_accessibility_test.moc"
