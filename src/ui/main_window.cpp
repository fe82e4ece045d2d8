#include "ui/main_window.h"

#include "ui/changed_flags.h"
#include "ui/item_entry_filter.h"
#include "ui/main_window_accessibility.h"
#include "ui/main_window_texts.h"
#include "ui/menu_shortcut_priority.h"
#include "ui/twips.h"
#include "ui/window_fonts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include <utility>

namespace obrix::ui {

namespace {

constexpr QSize kClientSize = twipsSize(10950, 9210);

} // namespace

frmMain::frmMain(const services::Services& services,
                 scoring::NormalDistributionSource::Factory statistics, QWidget* parent)
    : QMainWindow(parent)
    , messages_(services.messages)
    , clock_(services.clock)
    , statistics_(statistics ? scoring::NormalDistributionSource(std::move(statistics))
                             : scoring::NormalDistributionSource()) {
    setObjectName(QStringLiteral("frmMain"));
    // Resizable with minimise and close, but no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(texts::kWindowCaption);
    setFont(windowFont());

    createControls();
    createMenus();
    setTabOrderOfControls();
    connectHandlers();
    applyAccessibleNames(*this);

    // The main window's layout gives the menu bar its height for the window's width, which some
    // styles (Windows') make a pixel more than its size hint.
    resize(kClientSize.width(),
           kClientSize.height() + menuBar()->heightForWidth(kClientSize.width()));
    Form_Load();
    centreOnScreen();
}

frmMain::~frmMain() = default;

void frmMain::createMenus() {
    const auto add = [this](QMenu* menu, QAction*& action, const char* name, const QString& caption,
                            Qt::Key key) {
        action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(Qt::CTRL | key));
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    add(mnuFile, mnuFileNew, "mnuFileNew", QStringLiteral("&New"), Qt::Key_N);
    add(mnuFile, mnuFileOpen, "mnuFileOpen", QStringLiteral("&Open..."), Qt::Key_O);
    add(mnuFile, mnuSave, "mnuSave", QStringLiteral("&Save (Overwrite)"), Qt::Key_S);
    add(mnuFile, mnuFileSaveAs, "mnuFileSaveAs", QStringLiteral("S&ave As..."), Qt::Key_A);
    add(mnuFile, mnuPrint, "mnuPrint", QStringLiteral("&Print Report"), Qt::Key_P);
    add(mnuFile, mnuFileExit, "mnuFileExit", QStringLiteral("E&xit"), Qt::Key_X);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    add(mnuHelp, mnuScoringNote, "mnuScoringNote", QStringLiteral("Scoring No&te"), Qt::Key_T);
    add(mnuHelp, mnuHelpAbout, "mnuHelpAbout", QStringLiteral("A&bout"), Qt::Key_B);

    // The menu shortcuts win over the text boxes' own Ctrl keys (Ctrl+A, Ctrl+X).
    QList<QKeySequence> shortcuts;
    for (QMenu* menu : {mnuFile, mnuHelp})
        for (QAction* action : menu->actions())
            shortcuts.append(action->shortcut());
    auto* shortcutPriority = new MenuShortcutPriority(this);
    shortcutPriority->setShortcuts(shortcuts);
    shortcutPriority->attachTree(this);

    // No shortcut: every Ctrl letter it could take is a command or an editing key already.
    mnuFile->addSeparator();
    mnuFileHistory = mnuFile->addAction(QStringLiteral("Client &History..."));
    mnuFileHistory->setObjectName(QStringLiteral("mnuFileHistory"));
}

void frmMain::setTabOrderOfControls() {
    QList<QWidget*> order;
    for (QComboBox* box : itemBoxes())
        order.append(box);
    order.append(cmdCompute);
    // The result boxes, reachable only while the results panel is shown (Qt skips hidden ones).
    order.append({txtPercentOrder, txtPercentCheck, txtPercentWash, txtZScoreOrder, txtZScoreCheck,
                  txtZScoreWash, txtOrder, txtCheck, txtWash});
    order.append({txtPercentNeutral, txtPercentHoard, txtPercentObsess, txtZScoreNeutral,
                  txtZScoreHoard, txtZScoreObsess, txtNeutral, txtHoard, txtObsess});
    order.append({txtPercentTotal, txtZScoreTotal, txtTotal});
    order.append({Text17, OpGeneral, OpOCD, txtReference});
    order.append({txtName, DTPicker, cmdNote, cmdNew, cmdExit});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::connectHandlers() {
    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(OpGeneral, &QRadioButton::clicked, this, &frmMain::OpGeneral_Click);
    connect(OpOCD, &QRadioButton::clicked, this, &frmMain::OpOCD_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmMain::cmdNew_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdNote, &QPushButton::clicked, this, &frmMain::cmdNote_Click);
    connect(mnuScoringNote, &QAction::triggered, this, &frmMain::mnuScoringNote_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuFileHistory, &QAction::triggered, this, &frmMain::mnuFileHistory_Click);
}

void frmMain::centreOnScreen() {
    const QScreen* where = screen();
    if (!where)
        return;
    // The outer frame is centred; before the first show its size is the client's.
    QRect bounds = frameGeometry();
    bounds.moveCenter(where->availableGeometry().center());
    move(bounds.topLeft());
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once the platform knows the frame, centre again with its true size.
    if (!centred_) {
        centred_ = true;
        centreOnScreen();
    }
}

void frmMain::Form_Load() {
    for (QComboBox* box : itemBoxes())
        box->clearEditText();
    txtName->clear();
    DTPicker->setDate(clock_.today());
    OpGeneral->setChecked(true);
    Frame1->hide();
    Frame2->show();
    txtWarning->setPlainText(texts::kStartWarning);
    Text17->setPlainText(texts::kSampleQuestion);
    txtReference->setPlainText(texts::kReferenceNote);
    Combo1->setFocus();
    // The program's own filling is not a change to the record.
    RecordChanged(true);
}

void frmMain::Form_Unload(bool& cancel) {
    if (unloadHandler_)
        unloadHandler_(cancel);
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

bool frmMain::RecordChanged(bool Reset) {
    bool changed = false;
    // Control order: the order in which the window created its controls.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!hasDataChangedFlag(control))
            continue;
        changed = changed || dataChanged(control);
        if (Reset)
            setDataChanged(control, false);
    }
    return changed;
}

void frmMain::setCommandHandler(Command command, CommandHandler handler) {
    commandHandlers_.at(static_cast<std::size_t>(command)) = std::move(handler);
}

void frmMain::setUnloadHandler(UnloadHandler handler) {
    unloadHandler_ = std::move(handler);
}

void frmMain::run(Command command) {
    // Copy: the handler may replace itself while it runs.
    const CommandHandler handler = commandHandlers_.at(static_cast<std::size_t>(command));
    if (handler)
        handler();
}

void frmMain::cmdCompute_Click() {
    Calculate();
}
void frmMain::OpGeneral_Click() {
    Calculate();
}
void frmMain::OpOCD_Click() {
    Calculate();
}
void frmMain::cmdNew_Click() {
    run(Command::New);
}
void frmMain::cmdExit_Click() {
    close();
}
void frmMain::cmdNote_Click() {
    run(Command::ScoringNote);
}
void frmMain::mnuScoringNote_Click() {
    run(Command::ScoringNote);
}
void frmMain::mnuHelpAbout_Click() {
    run(Command::About);
}
void frmMain::mnuPrint_Click() {
    run(Command::Print);
}
void frmMain::mnuFileNew_Click() {
    run(Command::New);
}
void frmMain::mnuFileOpen_Click() {
    run(Command::Open);
}
void frmMain::mnuSave_Click() {
    run(Command::Save);
}
void frmMain::mnuFileSaveAs_Click() {
    run(Command::SaveAs);
}
void frmMain::mnuFileExit_Click() {
    close();
}
void frmMain::mnuFileHistory_Click() {
    run(Command::History);
}

} // namespace obrix::ui
