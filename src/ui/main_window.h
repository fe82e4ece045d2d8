#pragma once

// frmMain: the program's working window. Its controls are the only store of the current client
// record (name, date, 18 item texts), the comparison group and the computed results; there is no
// separate data model. The record commands and the print command read and fill the controls
// through the RecordForm and ReportForm interfaces the window implements; the public pointers
// below (each pointer's objectName is the member's name) are for the window's own parts and
// tests.
//
// Commands that other parts implement (New, Open, Save, Save As, Print, Scoring Note, About) are
// wired to their named handlers here and run whatever setCommandHandler installed (start-up
// installs them); closing the window asks the unload handler, which may cancel it. The window
// icon is the application's (QApplication::setWindowIcon).
//
// Changed flags: txtName, DTPicker, the 18 item boxes, the 21 result boxes and the three fixed-text
// boxes carry a "DataChanged" flag (see ui/changed_flags.h) raised by every change of their value;
// RecordChanged reports and optionally clears them. They are clear when the constructor returns.

#include "record_commands/record_form.h"
#include "report/report_form.h"
#include "scoring/calculation.h"
#include "services/services.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace obrix::ui {

// NOLINTNEXTLINE(readability-identifier-naming): the window's established name
class frmMain : public QMainWindow, public records::RecordForm, public report::ReportForm {
    Q_OBJECT

public:
    enum class Command { New, Open, Save, SaveAs, Print, ScoringNote, About, History };
    static constexpr std::size_t kCommandCount = 8;
    using CommandHandler = std::function<void()>;
    // Called when the window is about to close, however the closing started; setting cancel
    // keeps the window open.
    using UnloadHandler = std::function<void(bool& cancel)>;

    // Messages and today's date come from `services`. The statistics factory makes the
    // normal-distribution component on first use (empty: the program's own; tests pass one that
    // fails).
    explicit frmMain(const services::Services& services,
                     scoring::NormalDistributionSource::Factory statistics = {},
                     QWidget* parent = nullptr);
    ~frmMain() override;

    void setCommandHandler(Command command, CommandHandler handler);
    void setUnloadHandler(UnloadHandler handler);

    // True when at least one changed flag was raised when the call began; Reset clears them all.
    bool RecordChanged(bool Reset) override;

    // The record as the record commands see it: txtName, DTPicker and Combo1 to Combo18.
    records::ClientRecord record() const override;
    std::string showRecordProblem(const records::ClientRecord& record) const override;
    void ShowRecord(const records::ClientRecord& record) override;
    void emptyNameAndResults() override;
    void emptyItems() override;
    void showInstructions(const QString& warning) override;

    // What the report prints: txtName, DTPicker, OpGeneral and the result boxes.
    report::ReportInput reportInput() const override;

    // One row of the results panel, in scale order (Washing ... Total).
    struct ResultRow {
        QLabel* caption;
        QLineEdit* raw;
        QLineEdit* zScore;
        QLineEdit* percentile;
    };
    // Index n - 1 holds item n's box and label.
    std::array<QComboBox*, scoring::kItemCount> itemBoxes() const;
    std::array<QLabel*, scoring::kItemCount> itemLabels() const;
    std::array<ResultRow, scoring::kScaleCount> resultRows() const;

    // Controls, under their own names.
    QLabel* Label22 = nullptr; // title
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblDate = nullptr;
    QDateEdit* DTPicker = nullptr;

    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo5 = nullptr;
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo7 = nullptr;
    QComboBox* Combo8 = nullptr;
    QComboBox* Combo9 = nullptr;
    QComboBox* Combo10 = nullptr;
    QComboBox* Combo11 = nullptr;
    QComboBox* Combo12 = nullptr;
    QComboBox* Combo13 = nullptr;
    QComboBox* Combo14 = nullptr;
    QComboBox* Combo15 = nullptr;
    QComboBox* Combo16 = nullptr;
    QComboBox* Combo17 = nullptr;
    QComboBox* Combo18 = nullptr;

    // Question labels; their names do not all follow the item numbers (item 5 is Label7, 6 is
    // Label5, 7 is Label6, 12 is Label14, 13 is Label12, 14 is Label13): use itemLabels().
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;

    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdNote = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdExit = nullptr;
    QPlainTextEdit* txtWarning = nullptr;

    QGroupBox* Frame2 = nullptr; // instructions panel, shown at start
    QLabel* Label28 = nullptr;
    QGroupBox* Frame1 = nullptr; // results panel, hidden at start

    QLabel* lblWash = nullptr;
    QLabel* lblCheck = nullptr;
    QLabel* lblOrder = nullptr;
    QLabel* lblObsess = nullptr;
    QLabel* lblHoard = nullptr;
    QLabel* lblNeutral = nullptr;
    QLabel* lblTotal = nullptr;

    QLineEdit* txtWash = nullptr;
    QLineEdit* txtCheck = nullptr;
    QLineEdit* txtOrder = nullptr;
    QLineEdit* txtObsess = nullptr;
    QLineEdit* txtHoard = nullptr;
    QLineEdit* txtNeutral = nullptr;
    QLineEdit* txtTotal = nullptr;
    QLineEdit* txtZScoreWash = nullptr;
    QLineEdit* txtZScoreCheck = nullptr;
    QLineEdit* txtZScoreOrder = nullptr;
    QLineEdit* txtZScoreObsess = nullptr;
    QLineEdit* txtZScoreHoard = nullptr;
    QLineEdit* txtZScoreNeutral = nullptr;
    QLineEdit* txtZScoreTotal = nullptr;
    QLineEdit* txtPercentWash = nullptr;
    QLineEdit* txtPercentCheck = nullptr;
    QLineEdit* txtPercentOrder = nullptr;
    QLineEdit* txtPercentObsess = nullptr;
    QLineEdit* txtPercentHoard = nullptr;
    QLineEdit* txtPercentNeutral = nullptr;
    QLineEdit* txtPercentTotal = nullptr;

    QGroupBox* Reference = nullptr;
    QPlainTextEdit* Text17 = nullptr;
    QRadioButton* OpGeneral = nullptr;
    QRadioButton* OpOCD = nullptr;
    QPlainTextEdit* txtReference = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuFileHistory = nullptr; // after Exit, so the other items keep their places
    QMenu* mnuHelp = nullptr;
    QAction* mnuScoringNote = nullptr;
    QAction* mnuHelpAbout = nullptr;

public slots:
    void cmdCompute_Click();
    void OpGeneral_Click();
    void OpOCD_Click();
    void cmdNew_Click();
    void cmdExit_Click();
    void cmdNote_Click();
    void mnuScoringNote_Click();
    void mnuHelpAbout_Click();
    void mnuPrint_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileHistory_Click();

public:
    // Initial state: empty name and items, today's date, General Population selected, instructions
    // shown, fixed texts in place, focus on item 1, all changed flags clear. Run by the
    // constructor; start-up then opens the record the command line names, if any.
    void Form_Load();
    // The closing of the window, however started; asks the unload handler.
    void Form_Unload(bool& cancel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createInputControls(QWidget* client);
    void createResultsPanel(QWidget* client);
    void createReferenceFrame();
    void createMenus();
    void setTabOrderOfControls();
    void connectHandlers();
    void centreOnScreen();
    void run(Command command);

    // Validates and scores the 18 item texts and shows the results (or the reason not to).
    void Calculate();
    scoring::ItemTexts itemTexts() const;
    void showCalculation(const scoring::Calculation& result);

    services::MessageBoxes& messages_;
    services::Clock& clock_;
    scoring::NormalDistributionSource statistics_;
    std::array<CommandHandler, kCommandCount> commandHandlers_;
    UnloadHandler unloadHandler_;
    bool centred_ = false;
};

} // namespace obrix::ui
