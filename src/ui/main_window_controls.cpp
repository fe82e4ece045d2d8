// Builds the main window's controls at their fixed positions (no layouts: resizing the window
// leaves every control where it is).

#include "ui/changed_flags.h"
#include "ui/date_display.h"
#include "ui/date_picker.h"
#include "ui/item_entry_filter.h"
#include "ui/main_window.h"
#include "ui/main_window_texts.h"
#include "ui/text_box_style.h"
#include "ui/twips.h"
#include "ui/window_fonts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace obrix::ui {

namespace {

using LabelMember = QLabel* frmMain::*;
using ComboMember = QComboBox* frmMain::*;
using BoxMember = QLineEdit* frmMain::*;

struct ItemPlacement {
    ComboMember box;
    LabelMember label;
    const char* labelName;
    int labelLeft;
    int boxLeft;
    int boxTop;
};

// Items in item order: three columns of six, read down each column.
constexpr int kItemBoxWidth = 855;
constexpr int kItemBoxHeight = 315;
constexpr int kItemLabelWidth = 1065;
constexpr int kItemLabelHeight = 225;
const std::array<ItemPlacement, scoring::kItemCount> kItems{{
    {&frmMain::Combo1, &frmMain::Label1, "Label1", 15, 1170, 2085},
    {&frmMain::Combo2, &frmMain::Label2, "Label2", 15, 1170, 2505},
    {&frmMain::Combo3, &frmMain::Label3, "Label3", 15, 1170, 2925},
    {&frmMain::Combo4, &frmMain::Label4, "Label4", 15, 1170, 3345},
    {&frmMain::Combo5, &frmMain::Label7, "Label7", 15, 1170, 3765},
    {&frmMain::Combo6, &frmMain::Label5, "Label5", 15, 1170, 4185},
    {&frmMain::Combo7, &frmMain::Label6, "Label6", 2340, 3495, 2085},
    {&frmMain::Combo8, &frmMain::Label8, "Label8", 2340, 3495, 2490},
    {&frmMain::Combo9, &frmMain::Label9, "Label9", 2340, 3495, 2895},
    {&frmMain::Combo10, &frmMain::Label10, "Label10", 2340, 3495, 3315},
    {&frmMain::Combo11, &frmMain::Label11, "Label11", 2340, 3495, 3720},
    {&frmMain::Combo12, &frmMain::Label14, "Label14", 2340, 3495, 4125},
    {&frmMain::Combo13, &frmMain::Label12, "Label12", 4425, 5580, 2025},
    {&frmMain::Combo14, &frmMain::Label13, "Label13", 4425, 5580, 2445},
    {&frmMain::Combo15, &frmMain::Label15, "Label15", 4425, 5580, 2805},
    {&frmMain::Combo16, &frmMain::Label16, "Label16", 4425, 5580, 3225},
    {&frmMain::Combo17, &frmMain::Label17, "Label17", 4425, 5580, 3645},
    {&frmMain::Combo18, &frmMain::Label18, "Label18", 4425, 5580, 4080},
}};

struct ResultRowPlacement {
    LabelMember caption;
    BoxMember raw;
    BoxMember zScore;
    BoxMember percentile;
    int top;
    int captionLeft;
    int zScoreLeft;
    int percentileLeft;
};

// Rows of the results panel in scale order; positions relative to Frame1.
constexpr int kResultHeight = 225;
constexpr int kCaptionWidth = 1815;
constexpr int kRawLeft = 2265;
constexpr int kRawWidth = 435;
// Wide enough for "Z Score = -2.07" and "99.99 Percentile" in the stand-in fonts, which run wider
// than the bitmap face the layout was drawn for (1170 twips would clip them).
constexpr int kScoreWidth = 1275;
const std::array<ResultRowPlacement, scoring::kScaleCount> kResultRows{{
    {&frmMain::lblWash, &frmMain::txtWash, &frmMain::txtZScoreWash, &frmMain::txtPercentWash, 315,
     105, 3180, 4650},
    {&frmMain::lblCheck, &frmMain::txtCheck, &frmMain::txtZScoreCheck, &frmMain::txtPercentCheck,
     765, 105, 3180, 4650},
    {&frmMain::lblOrder, &frmMain::txtOrder, &frmMain::txtZScoreOrder, &frmMain::txtPercentOrder,
     1185, 105, 3180, 4650},
    {&frmMain::lblObsess, &frmMain::txtObsess, &frmMain::txtZScoreObsess,
     &frmMain::txtPercentObsess, 1680, 120, 3195, 4665},
    {&frmMain::lblHoard, &frmMain::txtHoard, &frmMain::txtZScoreHoard, &frmMain::txtPercentHoard,
     2130, 120, 3195, 4665},
    {&frmMain::lblNeutral, &frmMain::txtNeutral, &frmMain::txtZScoreNeutral,
     &frmMain::txtPercentNeutral, 2550, 120, 3195, 4665},
    {&frmMain::lblTotal, &frmMain::txtTotal, &frmMain::txtZScoreTotal, &frmMain::txtPercentTotal,
     3000, 120, 3195, 4665},
}};

// The reference note's first line wraps in the stand-in fonts, so its box and frame are one text
// line taller than drawn (495 and 2655 twips) to keep all three lines in view.
constexpr int kReferenceNoteHeight = 630;
constexpr int kReferenceHeight = 2790;

const QColor kRawScoreColour(255, 0, 0);
const QColor kScoreColour(0, 0, 255);
const QColor kWarningColour(0, 0, 128);

template <typename Widget>
Widget* place(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
              Qt::Alignment alignment) {
    auto* widget = place<QLabel>(parent, name, geometry);
    widget->setText(caption);
    widget->setAlignment(alignment | Qt::AlignTop);
    return widget;
}

// Flat, borderless text on the button face: the box is see-through, so it shows exactly the face
// of the window or panel it stands on (a style may shade its panels slightly).
void makeFlat(QWidget* box, const QColor& textColour) {
    QPalette palette = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Active, QPalette::Text, textColour);
    palette.setColor(QPalette::Inactive, QPalette::Text, textColour);
    box->setPalette(palette);
}

QLineEdit* resultBox(QWidget* parent, const QString& name, const QRect& geometry,
                     const QColor& colour, Qt::Alignment alignment) {
    auto* box = place<QLineEdit>(parent, name, geometry);
    box->setFrame(false);
    box->setAlignment(alignment | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    makeFlat(box, colour);
    trackDataChanged(box);
    return box;
}

QPlainTextEdit* multiLineBox(QWidget* parent, const QString& name, const QRect& geometry,
                             const QColor& colour) {
    auto* box = place<QPlainTextEdit>(parent, name, geometry);
    styleTextBox(*box, TextBoxBorder::None, TextBoxBackground::Window);
    makeFlat(box, colour);
    trackDataChanged(box);
    return box;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption,
                 const QRect& geometry) {
    auto* widget = place<QGroupBox>(parent, name, geometry);
    widget->setTitle(caption);
    return widget;
}

} // namespace

void frmMain::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    createInputControls(client);
    createResultsPanel(client);
}

void frmMain::createInputControls(QWidget* client) {
    Label22 = label(client, QStringLiteral("Label22"), texts::kWindowCaption,
                    twipsRect(1800, 120, 7290, 1035), Qt::AlignHCenter);
    Label22->setFont(titleFont());

    lblName = label(client, QStringLiteral("lblName"), QStringLiteral("Client Name:"),
                    twipsRect(240, 1335, 975, 255), Qt::AlignRight);
    txtName = place<QLineEdit>(client, QStringLiteral("txtName"), twipsRect(1440, 1320, 2055, 285));
    trackDataChanged(txtName);

    lblDate = label(client, QStringLiteral("lblDate"), QStringLiteral("Date of Test:"),
                    twipsRect(4080, 1335, 975, 255), Qt::AlignRight);
    DTPicker =
        place<DatePicker>(client, QStringLiteral("DTPicker"), twipsRect(5160, 1260, 1335, 330));
    DTPicker->setDisplayFormat(dateDisplayFormat());
    trackDataChanged(DTPicker);

    auto* itemFilter = new ItemEntryFilter(this);
    const QStringList ratings{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                              QStringLiteral("3"), QStringLiteral("4")};
    for (int index = 0; index < scoring::kItemCount; ++index) {
        const ItemPlacement& item = kItems[static_cast<std::size_t>(index)];
        const int labelTop = item.boxTop + (index == scoring::kItemCount - 1 ? 30 : 45);
        this->*item.label = label(
            client, QString::fromLatin1(item.labelName),
            QStringLiteral("Question %1:").arg(index + 1),
            twipsRect(item.labelLeft, labelTop, kItemLabelWidth, kItemLabelHeight), Qt::AlignRight);

        auto* box =
            place<QComboBox>(client, QStringLiteral("Combo%1").arg(index + 1),
                             twipsRect(item.boxLeft, item.boxTop, kItemBoxWidth, kItemBoxHeight));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(ratings);
        box->setCurrentIndex(-1);
        box->clearEditText();
        itemFilter->attach(box);
        trackDataChanged(box);
        this->*item.box = box;
    }

    cmdCompute =
        place<QPushButton>(client, QStringLiteral("cmdCompute"), twipsRect(6840, 3000, 1905, 435));
    cmdCompute->setText(QStringLiteral("&Compute"));
    QFont bold = cmdCompute->font();
    bold.setBold(true);
    cmdCompute->setFont(bold);
    cmdNote =
        place<QPushButton>(client, QStringLiteral("cmdNote"), twipsRect(9240, 2040, 1275, 435));
    cmdNote->setText(QStringLiteral("Scoring &Note"));
    cmdNew = place<QPushButton>(client, QStringLiteral("cmdNew"), twipsRect(9240, 3000, 1275, 435));
    cmdNew->setText(QStringLiteral("Start &Again"));
    cmdExit =
        place<QPushButton>(client, QStringLiteral("cmdExit"), twipsRect(9240, 3960, 1275, 435));
    cmdExit->setText(QStringLiteral("E&xit"));
    for (QPushButton* button : {cmdCompute, cmdNote, cmdNew, cmdExit})
        button->setAutoDefault(false);

    txtWarning = multiLineBox(client, QStringLiteral("txtWarning"),
                              twipsRect(210, 8355, 10530, 735), kWarningColour);
    txtWarning->setReadOnly(true);
    txtWarning->setFocusPolicy(Qt::ClickFocus);
    txtWarning->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    Frame2 = frame(client, QStringLiteral("Frame2"), QString(), twipsRect(720, 5280, 9300, 1485));
    Label28 = label(Frame2, QStringLiteral("Label28"), texts::kInstructions,
                    twipsRect(210, 300, 8100, 975), Qt::AlignHCenter);
    Label28->setWordWrap(true);
}

void frmMain::createResultsPanel(QWidget* client) {
    Frame1 = frame(client, QStringLiteral("Frame1"), QString(), twipsRect(120, 4755, 10695, 3405));
    const auto& scales = scoring::scaleTable();
    for (std::size_t row = 0; row < kResultRows.size(); ++row) {
        const ResultRowPlacement& placement = kResultRows[row];
        const QString suffix = QString::fromUtf8(scales[row].boxSuffix);
        const QString caption = QString::fromUtf8(scales[row].caption);
        this->*placement.caption =
            label(Frame1, QStringLiteral("lbl") + suffix, caption,
                  twipsRect(placement.captionLeft, placement.top, kCaptionWidth, kResultHeight),
                  Qt::AlignRight);
        // Caption and boxes share the row's height: centre both so their text lines up.
        (this->*placement.caption)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        this->*placement.raw =
            resultBox(Frame1, QStringLiteral("txt") + suffix,
                      twipsRect(kRawLeft, placement.top, kRawWidth, kResultHeight), kRawScoreColour,
                      Qt::AlignLeft);
        this->*placement.zScore =
            resultBox(Frame1, QStringLiteral("txtZScore") + suffix,
                      twipsRect(placement.zScoreLeft, placement.top, kScoreWidth, kResultHeight),
                      kScoreColour, Qt::AlignHCenter);
        this->*placement.percentile = resultBox(
            Frame1, QStringLiteral("txtPercent") + suffix,
            twipsRect(placement.percentileLeft, placement.top, kScoreWidth, kResultHeight),
            kScoreColour, Qt::AlignHCenter);
    }
    QFont underlined = lblTotal->font();
    underlined.setUnderline(true);
    lblTotal->setFont(underlined);

    createReferenceFrame();
}

void frmMain::createReferenceFrame() {
    Reference = frame(Frame1, QStringLiteral("Reference"), QStringLiteral("Reference Sample"),
                      twipsRect(6480, 360, 3855, kReferenceHeight));
    const QColor text = palette().color(QPalette::Text);
    Text17 =
        multiLineBox(Reference, QStringLiteral("Text17"), twipsRect(120, 240, 3495, 735), text);
    OpGeneral =
        place<QRadioButton>(Reference, QStringLiteral("OpGeneral"), twipsRect(240, 960, 2415, 375));
    OpGeneral->setText(QStringLiteral("General Population Sample"));
    OpOCD =
        place<QRadioButton>(Reference, QStringLiteral("OpOCD"), twipsRect(240, 1560, 2415, 375));
    OpOCD->setText(QStringLiteral("OCD Population Sample"));
    // As in an option-button group of the platform, Tab reaches only the selected button; the
    // arrow keys move between the two (and select, so the group's Click runs).
    const auto syncTabStops = [this] {
        for (QRadioButton* option : {OpGeneral, OpOCD})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    syncTabStops();
    for (QRadioButton* option : {OpGeneral, OpOCD})
        connect(option, &QRadioButton::toggled, this, syncTabStops);
    txtReference = multiLineBox(Reference, QStringLiteral("txtReference"),
                                twipsRect(120, 2040, 3495, kReferenceNoteHeight), text);
}

std::array<QComboBox*, scoring::kItemCount> frmMain::itemBoxes() const {
    std::array<QComboBox*, scoring::kItemCount> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = this->*kItems[i].box;
    return boxes;
}

std::array<QLabel*, scoring::kItemCount> frmMain::itemLabels() const {
    std::array<QLabel*, scoring::kItemCount> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = this->*kItems[i].label;
    return labels;
}

std::array<frmMain::ResultRow, scoring::kScaleCount> frmMain::resultRows() const {
    std::array<ResultRow, scoring::kScaleCount> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ResultRowPlacement& p = kResultRows[i];
        rows[i] = {this->*p.caption, this->*p.raw, this->*p.zScore, this->*p.percentile};
    }
    return rows;
}

} // namespace obrix::ui
