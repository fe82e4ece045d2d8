// The main window as it opens: its controls, its frame, readable captions, the initial state, the
// tab order and where each command leads.

#include "main_window_fixture.h"
#include "ui/accessibility/accessible_names.h"
#include "ui/date_display.h"
#include "ui/main_window_texts.h"
#include "ui/twips.h"

#include <QAction>
#include <QDateEdit>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>

using obrix::ui::frmMain;
using obrix::ui::twips;
using obrix::ui::testing::kToday;
using obrix::ui::testing::pressKey;
using obrix::ui::testing::WindowFixture;

namespace {

QStringList tabWalk(int steps, Qt::Key key = Qt::Key_Tab) {
    QStringList names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        names.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QStringLiteral("<none>"));
    }
    return names;
}

QStringList itemBoxNames() {
    QStringList names;
    for (int item = 1; item <= 18; ++item)
        names.append(QStringLiteral("Combo%1").arg(item));
    return names;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsHaveTheirNamesAndKinds_data();
    void controlsHaveTheirNamesAndKinds();
    void itemBoxesAndLabelsPairUp();
    void windowFrame();
    void controlsStayPutWhenResized();
    void fontsResolveToInstalledFaces();
    void captionsAreReadable();
    void multiLineTextsFitTheirBoxes();
    void resultTextsFitTheirBoxes_data();
    void resultTextsFitTheirBoxes();
    void siblingsDoNotOverlap();
    void initialState();
    void tabOrder_data();
    void tabOrder();
    void backTabFromItem1ReachesExit();
    void commandsReachTheirHandlers_data();
    void commandsReachTheirHandlers();
    void exitAndCloseAskTheUnloadHandler_data();
    void exitAndCloseAskTheUnloadHandler();
    void datePickerKeys_data();
    void datePickerKeys();
    void dateFormatsShowFourDigitYears();
};

void MainWindowTest::controlsHaveTheirNamesAndKinds_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char* name, const char* kind, const QString& caption = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << caption;
    };
    row("Label22", "QLabel", QStringLiteral("Obrix"));
    row("lblName", "QLabel", QStringLiteral("Client Name:"));
    row("txtName", "QLineEdit");
    row("lblDate", "QLabel", QStringLiteral("Date of Test:"));
    row("DTPicker", "QDateEdit");
    row("cmdCompute", "QPushButton", QStringLiteral("&Compute"));
    row("cmdNote", "QPushButton", QStringLiteral("Scoring &Note"));
    row("cmdNew", "QPushButton", QStringLiteral("Start &Again"));
    row("cmdExit", "QPushButton", QStringLiteral("E&xit"));
    row("txtWarning", "QPlainTextEdit");
    row("Frame1", "QGroupBox", QString());
    row("Frame2", "QGroupBox", QString());
    row("Label28", "QLabel", obrix::ui::texts::kInstructions);
    row("Reference", "QGroupBox", QStringLiteral("Reference Sample"));
    row("Text17", "QPlainTextEdit");
    row("OpGeneral", "QRadioButton", QStringLiteral("General Population Sample"));
    row("OpOCD", "QRadioButton", QStringLiteral("OCD Population Sample"));
    row("txtReference", "QPlainTextEdit");
    row("lblWash", "QLabel", QStringLiteral("Washing:"));
    row("lblNeutral", "QLabel", QStringLiteral("Neutralising:"));
    row("lblTotal", "QLabel", QStringLiteral("Total:"));
    for (const char* scale : {"Wash", "Check", "Order", "Obsess", "Hoard", "Neutral", "Total"})
        for (const char* prefix : {"txt", "txtZScore", "txtPercent"}) {
            const QByteArray name = QByteArray(prefix) + scale;
            QTest::newRow(name.constData())
                << QString::fromLatin1(name) << QStringLiteral("QLineEdit") << QString();
        }
    row("mnuFile", "QMenu", QStringLiteral("&File"));
    row("mnuFileNew", "QAction", QStringLiteral("&New"));
    row("mnuFileOpen", "QAction", QStringLiteral("&Open..."));
    row("mnuSave", "QAction", QStringLiteral("&Save (Overwrite)"));
    row("mnuFileSaveAs", "QAction", QStringLiteral("S&ave As..."));
    row("mnuPrint", "QAction", QStringLiteral("&Print Report"));
    row("mnuFileExit", "QAction", QStringLiteral("E&xit"));
    row("mnuHelp", "QMenu", QStringLiteral("&Help"));
    row("mnuScoringNote", "QAction", QStringLiteral("Scoring No&te"));
    row("mnuHelpAbout", "QAction", QStringLiteral("A&bout"));
}

void MainWindowTest::controlsHaveTheirNamesAndKinds() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    WindowFixture fixture;

    const QList<QObject*> found = fixture.window->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QObject* control = found.first();
    QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        shown = group->title();
    else if (auto* menu = qobject_cast<QMenu*>(control))
        shown = menu->title();
    else if (auto* action = qobject_cast<QAction*>(control))
        shown = action->text();
    QCOMPARE(shown, caption);
}

void MainWindowTest::itemBoxesAndLabelsPairUp() {
    WindowFixture fixture;
    const auto boxes = fixture.window->itemBoxes();
    const auto labels = fixture.window->itemLabels();
    QSet<QString> labelNames;
    for (int item = 1; item <= 18; ++item) {
        QComboBox* box = boxes[static_cast<std::size_t>(item - 1)];
        QLabel* label = labels[static_cast<std::size_t>(item - 1)];
        QCOMPARE(box->objectName(), QStringLiteral("Combo%1").arg(item));
        QCOMPARE(label->text(), QStringLiteral("Question %1:").arg(item));
        labelNames.insert(label->objectName());
        // The label stands on the box's row, to its left, and is right-aligned against it.
        QVERIFY2(label->geometry().right() < box->geometry().left(), qPrintable(box->objectName()));
        QVERIFY(label->geometry().top() >= box->geometry().top());
        QVERIFY(label->geometry().bottom() <= box->geometry().bottom());
        QVERIFY(label->alignment() & Qt::AlignRight);
        QVERIFY(box->isEditable());
        QCOMPARE(box->count(), 5);
        for (int entry = 0; entry < 5; ++entry)
            QCOMPARE(box->itemText(entry), QString::number(entry));
    }
    QCOMPARE(labelNames.size(), 18);
    QCOMPARE(fixture.window->Label7->text(), QStringLiteral("Question 5:"));
    QCOMPARE(fixture.window->Label14->text(), QStringLiteral("Question 12:"));
    QCOMPARE(fixture.window->Label12->text(), QStringLiteral("Question 13:"));
}

void MainWindowTest::windowFrame() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());

    QCOMPARE(window.windowTitle(), QStringLiteral("Obrix"));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    // The client area below the menu bar is 10950 x 9210 twips.
    QCOMPARE(window.centralWidget()->size(), QSize(twips(10950), twips(9210)));
    const QPoint centre = window.screen()->availableGeometry().center();
    QVERIFY(qAbs(window.frameGeometry().center().x() - centre.x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - centre.y()) <= 1);
}

void MainWindowTest::controlsStayPutWhenResized() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());
    QMap<QWidget*, QRect> before;
    for (QWidget* control : window.centralWidget()->findChildren<QWidget*>())
        before.insert(control, control->geometry());

    for (const QSize size : {QSize(400, 300), QSize(1000, 900)}) {
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(it.key()->geometry(), it.value());
    }
}

void MainWindowTest::fontsResolveToInstalledFaces() {
    WindowFixture fixture;
    const QFontInfo body(fixture.window->txtName->font());
    QVERIFY2(QStringList({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("Arial")})
                 .contains(body.family()),
             qPrintable(body.family()));
    QCOMPARE(fixture.window->txtName->font().pointSizeF(), 8.25);

    const QFontInfo title(fixture.window->Label22->font());
    QVERIFY2(QStringList({QStringLiteral("Calibri"), QStringLiteral("Carlito")})
                 .contains(title.family()),
             qPrintable(title.family()));
    QVERIFY(title.bold());
    QCOMPARE(fixture.window->Label22->font().pointSizeF(), 18.0);
    QVERIFY(fixture.window->cmdCompute->font().bold());
    QVERIFY(fixture.window->lblTotal->font().underline());
}

// Every caption is shown whole in its control, in the fonts the machine actually has.
void MainWindowTest::captionsAreReadable() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    window.Frame2->hide();
    window.Frame1->show();
    QVERIFY(fixture.showActive());

    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
        QVERIFY2(room.contains(needed), qPrintable(label->objectName()));
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(button)) {
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable(button->objectName()));
            QVERIFY2(button->sizeHint().height() <= button->height(),
                     qPrintable(button->objectName()));
        } else if (qobject_cast<QPushButton*>(button)) {
            const int text =
                button->fontMetrics().horizontalAdvance(obrix::ui::spokenCaption(button->text()));
            QVERIFY2(text + 8 <= button->width(), qPrintable(button->objectName()));
            QVERIFY2(button->fontMetrics().height() + 6 <= button->height(),
                     qPrintable(button->objectName()));
        }
    }
    const int title = window.Reference->fontMetrics().horizontalAdvance(window.Reference->title());
    QVERIFY(title + 16 <= window.Reference->width());

    // The picker shows a whole date, the widest day and month included.
    auto* dateField = window.DTPicker->findChild<QLineEdit*>();
    QVERIFY(dateField);
    window.DTPicker->setDate(QDate(2024, 12, 28));
    QVERIFY2(dateField->fontMetrics().horizontalAdvance(dateField->text()) + 4 <=
                 dateField->width(),
             qPrintable(dateField->text()));
}

void MainWindowTest::multiLineTextsFitTheirBoxes() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    for (QPlainTextEdit* box : {window.txtWarning, window.Text17, window.txtReference}) {
        const int margin = int(box->document()->documentMargin());
        QString text = box->toPlainText();
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1); // the empty line after the final line break need not show
        const QRect room = box->rect().adjusted(margin, margin, -margin, -margin);
        const QRect needed =
            box->fontMetrics().boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft, text);
        QVERIFY2(needed.height() <= room.height(), qPrintable(box->objectName()));
    }
}

void MainWindowTest::resultTextsFitTheirBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    // The widest texts a computation writes.
    QTest::newRow("raw") << "txtTotal"
                         << "72";
    QTest::newRow("negative z-score") << "txtZScoreTotal"
                                      << "Z Score = -2.07";
    QTest::newRow("two-digit z-score") << "txtZScoreWash"
                                       << "Z Score = -0.96";
    QTest::newRow("percentile") << "txtPercentObsess"
                                << "99.99 Percentile";
    QTest::newRow("hundred") << "txtPercentNeutral"
                             << "100 Percentile";
}

void MainWindowTest::resultTextsFitTheirBoxes() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    WindowFixture fixture;
    auto* target = fixture.window->findChild<QLineEdit*>(box);
    QVERIFY(target);
    QVERIFY(target->fontMetrics().horizontalAdvance(text) + 4 <= target->width());
    QVERIFY(target->fontMetrics().height() <= target->height());
}

void MainWindowTest::siblingsDoNotOverlap() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    for (QWidget* parent : {window.centralWidget(), static_cast<QWidget*>(window.Frame1),
                            static_cast<QWidget*>(window.Reference)}) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < children.size(); ++i)
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                // The two panels share one area; only one of them is ever shown.
                const QSet<QWidget*> pair{children[i], children[j]};
                if (pair == QSet<QWidget*>{window.Frame1, window.Frame2})
                    continue;
                // A one-pixel touch comes from rounding twips to pixels (Text17 reaches into
                // the row of OpGeneral by 15 twips) and hides nothing.
                const QRect common = children[i]->geometry() & children[j]->geometry();
                QVERIFY2(common.isEmpty() || qMin(common.width(), common.height()) <= 1,
                         qPrintable(children[i]->objectName() + QStringLiteral(" / ") +
                                    children[j]->objectName()));
            }
    }
}

void MainWindowTest::initialState() {
    WindowFixture fixture;
    frmMain& window = *fixture.window;
    QVERIFY(fixture.showActive());

    for (QComboBox* box : window.itemBoxes()) {
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(box->count(), 5);
    }
    QCOMPARE(window.txtName->text(), QString());
    QCOMPARE(window.DTPicker->date(), kToday);
    QVERIFY(window.DTPicker->calendarPopup());
    QVERIFY(window.OpGeneral->isChecked());
    QVERIFY(!window.OpOCD->isChecked());
    QVERIFY(!window.Frame1->isVisible());
    QVERIFY(window.Frame2->isVisible());
    QVERIFY(!window.Reference->isVisible());
    for (const auto& row : window.resultRows()) {
        QCOMPARE(row.raw->text(), QString());
        QCOMPARE(row.zScore->text(), QString());
        QCOMPARE(row.percentile->text(), QString());
    }
    QCOMPARE(window.txtWarning->toPlainText(), obrix::ui::texts::kStartWarning);
    QCOMPARE(window.txtWarning->toPlainText().size(), 400); // 399 characters and the line break
    QVERIFY(window.txtWarning->isReadOnly());
    QCOMPARE(window.Text17->toPlainText(), obrix::ui::texts::kSampleQuestion);
    QCOMPARE(window.txtReference->toPlainText(), obrix::ui::texts::kReferenceNote);
    QVERIFY(!window.Text17->isReadOnly());
    QTRY_COMPARE(QApplication::focusWidget(), window.Combo1);
}

void MainWindowTest::tabOrder_data() {
    QTest::addColumn<bool>("resultsShown");
    QTest::addColumn<bool>("ocdSelected");
    QTest::addColumn<QStringList>("expected");

    const QStringList items = itemBoxNames();
    const QStringList tail{QStringLiteral("txtName"), QStringLiteral("DTPicker"),
                           QStringLiteral("cmdNote"), QStringLiteral("cmdNew"),
                           QStringLiteral("cmdExit"), QStringLiteral("Combo1")};
    const QStringList results{"txtPercentOrder",   "txtPercentCheck", "txtPercentWash",
                              "txtZScoreOrder",    "txtZScoreCheck",  "txtZScoreWash",
                              "txtOrder",          "txtCheck",        "txtWash",
                              "txtPercentNeutral", "txtPercentHoard", "txtPercentObsess",
                              "txtZScoreNeutral",  "txtZScoreHoard",  "txtZScoreObsess",
                              "txtNeutral",        "txtHoard",        "txtObsess",
                              "txtPercentTotal",   "txtZScoreTotal",  "txtTotal"};

    QTest::newRow("instructions shown")
        << false << false << items.mid(1) + QStringList{"cmdCompute"} + tail;
    QTest::newRow("results shown, general population")
        << true << false
        << items.mid(1) + QStringList{"cmdCompute"} + results +
               QStringList{"Text17", "OpGeneral", "txtReference"} + tail;
    QTest::newRow("results shown, OCD")
        << true << true
        << items.mid(1) + QStringList{"cmdCompute"} + results +
               QStringList{"Text17", "OpOCD", "txtReference"} + tail;
}

void MainWindowTest::tabOrder() {
    QFETCH(bool, resultsShown);
    QFETCH(bool, ocdSelected);
    QFETCH(QStringList, expected);

    WindowFixture fixture;
    frmMain& window = *fixture.window;
    window.Frame2->setVisible(!resultsShown);
    window.Frame1->setVisible(resultsShown);
    if (ocdSelected)
        window.OpOCD->setChecked(true);
    QVERIFY(fixture.showActive());
    QTRY_COMPARE(QApplication::focusWidget(), window.Combo1);

    QCOMPARE(tabWalk(int(expected.size())), expected);
}

void MainWindowTest::backTabFromItem1ReachesExit() {
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QTRY_COMPARE(QApplication::focusWidget(), fixture.window->Combo1);

    QCOMPARE(tabWalk(3, Qt::Key_Backtab),
             (QStringList{QStringLiteral("cmdExit"), QStringLiteral("cmdNew"),
                          QStringLiteral("cmdNote")}));
}

void MainWindowTest::commandsReachTheirHandlers_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<frmMain::Command>("command");
    QTest::newRow("Start Again") << "cmdNew" << frmMain::Command::New;
    QTest::newRow("File New") << "mnuFileNew" << frmMain::Command::New;
    QTest::newRow("File Open") << "mnuFileOpen" << frmMain::Command::Open;
    QTest::newRow("File Save") << "mnuSave" << frmMain::Command::Save;
    QTest::newRow("File Save As") << "mnuFileSaveAs" << frmMain::Command::SaveAs;
    QTest::newRow("File Print") << "mnuPrint" << frmMain::Command::Print;
    QTest::newRow("Scoring Note button") << "cmdNote" << frmMain::Command::ScoringNote;
    QTest::newRow("Help Scoring Note") << "mnuScoringNote" << frmMain::Command::ScoringNote;
    QTest::newRow("Help About") << "mnuHelpAbout" << frmMain::Command::About;
}

void MainWindowTest::commandsReachTheirHandlers() {
    QFETCH(QString, control);
    QFETCH(frmMain::Command, command);
    WindowFixture fixture;

    if (auto* button = fixture.window->findChild<QPushButton*>(control))
        button->click();
    else if (auto* action = fixture.window->findChild<QAction*>(control))
        action->trigger();
    else
        QFAIL("no such control");

    QCOMPARE(fixture.runs.value(command), 1);
    QCOMPARE(fixture.runs.size(), 1);
}

void MainWindowTest::exitAndCloseAskTheUnloadHandler_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("keepOpen");
    for (const char* how : {"cmdExit", "mnuFileExit", "Alt+X", "close box"}) {
        QTest::addRow("%s, closing allowed", how) << QString::fromLatin1(how) << false;
        QTest::addRow("%s, closing cancelled", how) << QString::fromLatin1(how) << true;
    }
}

void MainWindowTest::exitAndCloseAskTheUnloadHandler() {
    QFETCH(QString, how);
    QFETCH(bool, keepOpen);
    WindowFixture fixture;
    fixture.keepOpen = keepOpen;
    QVERIFY(fixture.showActive());

    if (how == QLatin1String("cmdExit"))
        fixture.window->cmdExit->click();
    else if (how == QLatin1String("mnuFileExit"))
        fixture.window->mnuFileExit->trigger();
    else if (how == QLatin1String("Alt+X")) {
        pressKey(Qt::Key_X, Qt::AltModifier);
    } else
        fixture.window->close();

    QTRY_COMPARE(fixture.unloads, 1); // an access key clicks its button after a short delay
    QCOMPARE(fixture.window->isVisible(), keepOpen);
}

// The date picker from the keyboard, with the month shown as a name and as a number.
void MainWindowTest::datePickerKeys_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("keys"); // > Right, < Left, ^ Up, v Down, anything else typed
    QTest::addColumn<QDate>("expected");
    // From 31 December 2024 with the day selected: the fields wrap under Up and Down and
    // round the ends under Left and Right; digits gather, a letter picks the next month whose
    // name starts with it, a year takes four digits, and the date stays whole.
    for (const char* format : {"d MMM yyyy", "dd/MM/yyyy"})
        for (const char* row :
             {">^ 2024-01-31", "^ 2024-12-01", "<^ 2025-12-31", ">>>v 2024-12-30", ">12 2024-12-31",
              ">13 2024-03-31", ">2 2024-02-29", ">jj 2024-06-30", ">Sx 2024-09-30",
              "05 2024-12-05", "<2026 2026-12-31", "<1700 2024-12-31", "<202 2024-12-31",
              "/- 2024-12-31"}) {
            const QStringList parts = QString::fromLatin1(row).split(u' ');
            QTest::addRow("%s %s", format, row)
                << format << parts[0] << QDate::fromString(parts[1], Qt::ISODate);
        }
}

void MainWindowTest::datePickerKeys() {
    QFETCH(QString, format);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QDateEdit* picker = fixture.window->DTPicker;
    picker->setDisplayFormat(format);
    picker->setDate({2024, 12, 31});
    picker->setFocus(Qt::TabFocusReason);
    const QList<Qt::Key> arrows{Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down};
    for (const QChar key : keys) {
        const qsizetype arrow = QStringLiteral("><^v").indexOf(key);
        arrow >= 0 ? QTest::keyClick(picker, arrows[arrow]) : QTest::keyClicks(picker, key);
    }
    QCOMPARE(picker->date(), expected);
}

// In every locale Qt knows, each two-digit year of the short date form is widened to four digits
// and everything else stays as the locale writes it.
void MainWindowTest::dateFormatsShowFourDigitYears() {
    const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                  QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        QString expected = locale.dateFormat(QLocale::ShortFormat);
        expected.replace(twoDigitYear, QStringLiteral("yyyy"));
        QCOMPARE(obrix::ui::dateDisplayFormat(locale), expected);
    }
    QCOMPARE(obrix::ui::dateDisplayFormat(QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("M/d/yyyy"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
