// The credits window: modal over its owner, its controls and texts, keyboard access, read-only
// text boxes that can still be copied from, and one browser request per button press.
#include "recording_url_opener.h"

#include "ui/help/credits_text.h"
#include "ui/help/frmCredits.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

#include <memory>

using obrix::ui::frmCredits;
namespace credits = obrix::ui::credits;

namespace {

const QByteArray kPaperPage = "https://psycnet.apa.org/doiLanding?doi=10.1037%2F1040-3590.14.4.485";
const QByteArray kMakerSite = "https://www.velmoor.example/";

QString asShown(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A click delivered the way the window system delivers it, so that modal blocking applies
// (QTest's widget overload hands the event straight to the widget).
void clickThroughWindow(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

QList<QByteArray> encoded(const QList<QUrl>& urls) {
    QList<QByteArray> result;
    for (const QUrl& url : urls) {
        result.append(url.toEncoded());
    }
    return result;
}

} // namespace

class CreditsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showCreditsIsModalOverItsOwnerAndReturnsWhenClosed();
    void windowProperties();
    void controlGeometry_data();
    void controlGeometry();
    void captionsAndTexts();
    void fonts();
    void nothingIsClipped();
    void focusStartsOnGetThePaperAndTabWalksTheControls();
    void textBoxesAreReadOnlyButCopyable_data();
    void textBoxesAreReadOnlyButCopyable();
    void textBoxLook();
    void eachClickIsOneRequest_data();
    void eachClickIsOneRequest();
    void spaceOnGetThePaperOpensThePaper();
    void escapeDoesNotClose();

private:
    obrix::testing::RecordingUrlOpener opener_;
    std::unique_ptr<frmCredits> window_;
};

void CreditsWindowTest::init() {
    opener_.requests.clear();
    window_ = std::make_unique<frmCredits>(nullptr, opener_);
    window_->show();
    QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == window_.get(); }));
}

void CreditsWindowTest::cleanup() {
    window_.reset();
}

void CreditsWindowTest::showCreditsIsModalOverItsOwnerAndReturnsWhenClosed() {
    window_.reset(); // this test opens its own, through the main window's entry point

    QWidget owner;
    auto* ownerButton = new QPushButton(QStringLiteral("Compute"), &owner);
    ownerButton->resize(100, 30);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QSignalSpy ownerClicks(ownerButton, &QPushButton::clicked);

    // Everything is looked at from inside the modal loop, then the window is closed; the checks
    // come after showCredits() returns, so a failure cannot leave the loop running.
    QObject context;
    QPointer<frmCredits> seen;
    bool sawModal = false;
    QWidget* seenParent = nullptr;
    Qt::WindowModality seenModality = Qt::NonModal;
    QString seenFocus; // by name: the window's controls are gone when the checks run
    qsizetype clicksWhileOpen = -1;
    QTimer::singleShot(0, &context, [&] {
        seen = qobject_cast<frmCredits*>(QApplication::activeModalWidget());
        if (!seen.isNull()) {
            sawModal = QTest::qWaitFor([&] { return QApplication::activeWindow() == seen; });
            seenParent = seen->parentWidget();
            seenModality = seen->windowModality();
            if (const QWidget* focus = QApplication::focusWidget()) {
                seenFocus = focus->objectName();
            }
            clickThroughWindow(ownerButton);
            clicksWhileOpen = ownerClicks.size();
            seen->close();
        }
    });
    QTimer::singleShot(10000, &context, [] {
        if (auto* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });

    obrix::ui::showCredits(&owner, opener_);

    QVERIFY2(sawModal, "no credits window became the active modal window");
    QVERIFY(seen.isNull()); // gone once showCredits() has returned
    QCOMPARE(seenParent, &owner);
    QCOMPARE(seenModality, Qt::ApplicationModal);
    QCOMPARE(seenFocus, QStringLiteral("cmdPaperWebsite"));
    QCOMPARE(clicksWhileOpen, 0); // the owner took no input

    clickThroughWindow(ownerButton);
    QCOMPARE(ownerClicks.size(), 1); // and takes it again afterwards
}

void CreditsWindowTest::windowProperties() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmCredits"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Programme Credits"));
    QCOMPARE(window_->size(), QSize(600, 543)); // 9000 x 8145 twips
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(window_->windowModality(), Qt::ApplicationModal);
}

void CreditsWindowTest::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Label2") << "Label2" << QRect(105, 1290, 3795, 225);
    QTest::newRow("Label4") << "Label4" << QRect(105, 135, 7020, 225);
    QTest::newRow("cmdPaperWebsite") << "cmdPaperWebsite" << QRect(6630, 1605, 1905, 540);
    QTest::newRow("cmdVelmoorWebsite") << "cmdVelmoorWebsite" << QRect(6525, 480, 2115, 540);
    QTest::newRow("Text1") << "Text1" << QRect(105, 2970, 8730, 4845);
    QTest::newRow("Text2") << "Text2" << QRect(105, 480, 6210, 525);
    QTest::newRow("Text3") << "Text3" << QRect(105, 1605, 6210, 885);
    QTest::newRow("lblLicense") << "lblLicense" << QRect(105, 2640, 1215, 255);
}

void CreditsWindowTest::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void CreditsWindowTest::captionsAndTexts() {
    QCOMPARE(window_->Label2->text(), QStringLiteral("Obsessive Compulsive Inventory - Revised"));
    QCOMPARE(window_->Label4->text(), QStringLiteral("Obrix"));
    QCOMPARE(window_->lblLicense->text(), QStringLiteral("License:"));
    QCOMPARE(window_->cmdPaperWebsite->text(), QStringLiteral("Get The Paper"));
    QCOMPARE(window_->cmdVelmoorWebsite->text(),
             QStringLiteral("Visit Velmoor Website For More Software"));
    QCOMPARE(window_->Text1->toPlainText(), asShown(credits::licenceText()));
    QCOMPARE(window_->Text2->toPlainText(), asShown(credits::programmeCitation()));
    QCOMPARE(window_->Text3->toPlainText(), asShown(credits::paperCitation()));
}

void CreditsWindowTest::fonts() {
    const QList<QWidget*> bold{window_->Label2, window_->Label4, window_->lblLicense,
                               window_->cmdPaperWebsite, window_->cmdVelmoorWebsite};
    const QList<QWidget*> regular{window_->Text1, window_->Text2, window_->Text3};
    for (const auto& [widgets, isBold] : {std::pair{bold, true}, std::pair{regular, false}}) {
        for (const QWidget* widget : widgets) {
            const QFont font = widget->font();
            QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(font.pointSizeF(), 8.25);
            QVERIFY2(font.bold() == isBold, qPrintable(widget->objectName()));
        }
    }
}

void CreditsWindowTest::nothingIsClipped() {
    for (const QLabel* label : {window_->Label2, window_->Label4, window_->lblLicense}) {
        const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->objectName()));
    }
    for (const QPushButton* button : {window_->cmdPaperWebsite, window_->cmdVelmoorWebsite}) {
        const QRect room = button->rect().adjusted(4, 4, -4, -4);
        const QRect needed =
            button->fontMetrics().boundingRect(room, Qt::TextWordWrap, button->text());
        QVERIFY2(room.contains(needed), qPrintable(button->objectName()));
    }
    // Every line of text shows inside its box; the empty line after the final break may not.
    for (QPlainTextEdit* box : {window_->Text1, window_->Text2, window_->Text3}) {
        QTextCursor lastText(box->document());
        lastText.movePosition(QTextCursor::End);
        lastText.movePosition(QTextCursor::PreviousCharacter); // before the final break
        QVERIFY2(box->viewport()->rect().contains(box->cursorRect(lastText)),
                 qPrintable(box->objectName()));
    }
    // The licence is broken by hand into lines that fit its box, so none of them wraps.
    for (QTextBlock block = window_->Text1->document()->begin(); block.isValid();
         block = block.next()) {
        QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
    }
}

void CreditsWindowTest::focusStartsOnGetThePaperAndTabWalksTheControls() {
    const QList<QWidget*> tabOrder{window_->cmdPaperWebsite, window_->cmdVelmoorWebsite,
                                   window_->Text1,           window_->Text2,
                                   window_->Text3,           window_->cmdPaperWebsite};
    QCOMPARE(QApplication::focusWidget(), tabOrder.first());
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tabOrder[i]);
    }
    for (qsizetype i = tabOrder.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), tabOrder[i]);
    }
    for (const QLabel* label : {window_->Label2, window_->Label4, window_->lblLicense}) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void CreditsWindowTest::textBoxesAreReadOnlyButCopyable_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Text1") << "Text1";
    QTest::newRow("Text2") << "Text2";
    QTest::newRow("Text3") << "Text3";
}

void CreditsWindowTest::textBoxesAreReadOnlyButCopyable() {
    QFETCH(QString, name);
    auto* box = window_->findChild<QPlainTextEdit*>(name);
    QVERIFY(box != nullptr);
    const QString before = box->toPlainText();

    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("typed"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), before);

    QApplication::clipboard()->setText(QStringLiteral("unrelated"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), before);

    // Part of the text can be selected from the keyboard, too.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText(), before.left(1));
}

void CreditsWindowTest::textBoxLook() {
    for (const QPlainTextEdit* box : {window_->Text1, window_->Text2, window_->Text3}) {
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(box->isReadOnly());
    }
    for (const QPlainTextEdit* box : {window_->Text2, window_->Text3}) {
        QCOMPARE(box->frameShape(), QFrame::NoFrame);
        QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
    }
    QVERIFY(window_->Text1->frameShape() != QFrame::NoFrame);
    QCOMPARE(window_->Text1->frameShadow(), QFrame::Sunken);
    QCOMPARE(window_->Text1->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
}

void CreditsWindowTest::eachClickIsOneRequest_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QByteArray>("url");

    QTest::newRow("paper once") << "cmdPaperWebsite" << 1 << kPaperPage;
    QTest::newRow("paper twice") << "cmdPaperWebsite" << 2 << kPaperPage;
    QTest::newRow("maker once") << "cmdVelmoorWebsite" << 1 << kMakerSite;
    QTest::newRow("maker twice") << "cmdVelmoorWebsite" << 2 << kMakerSite;
}

void CreditsWindowTest::eachClickIsOneRequest() {
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(QByteArray, url);

    auto* target = window_->findChild<QPushButton*>(button);
    QVERIFY(target != nullptr);
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(target, Qt::LeftButton);
    }
    QCOMPARE(encoded(opener_.requests), QList<QByteArray>(clicks, url));
    QVERIFY(window_->isVisible()); // the browser opens beside the window
}

void CreditsWindowTest::spaceOnGetThePaperOpensThePaper() {
    QCOMPARE(QApplication::focusWidget(), window_->cmdPaperWebsite);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(encoded(opener_.requests), QList<QByteArray>{kPaperPage});
}

void CreditsWindowTest::escapeDoesNotClose() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(window_->isVisible());
    QVERIFY(opener_.requests.isEmpty());
}

int runCreditsWindowTests(int argc, char** argv) {
    CreditsWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "credits_window_test.moc"
