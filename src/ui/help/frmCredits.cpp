#include "ui/help/frmCredits.h"

#include "services/url_opener.h"
#include "ui/accessibility/accessible_names.h"
#include "ui/help/caption_wrap_button.h"
#include "ui/help/credits_text.h"
#include "ui/text_box_style.h"
#include "ui/twips.h"
#include "ui/window_fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace obrix::ui {

namespace {

constexpr int kClientWidth = 9000;
constexpr int kClientHeight = 8145;

// Labels and buttons of this window are in the bold variant of the default font.
QFont boldWindowFont() {
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(boldWindowFont());
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new help::CaptionWrapButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(boldWindowFont());
    button->setGeometry(geometry);
    // Enter presses the focused button only (the application's filter sees to that), as in the
    // main window. As a dialog's auto-default button it would also be pressed by Enter in the
    // text boxes and open a web page from the licence text.
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, const QString& text, QRect geometry,
                            TextBoxBorder border, TextBoxBackground background) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    styleTextBox(*box, border, background);
    makeReadOnlySelectable(*box);
    box->setGeometry(geometry);
    box->setPlainText(text);
    return box;
}

} // namespace

frmCredits::frmCredits(QWidget* owner, services::UrlOpener& opener)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
    , opener_(opener) {
    setObjectName(QStringLiteral("frmCredits"));
    setWindowTitle(QStringLiteral("Programme Credits"));
    setWindowIcon(QApplication::windowIcon());
    setWindowModality(Qt::ApplicationModal);
    setFont(windowFont());
    setFixedSize(twipsSize(kClientWidth, kClientHeight));

    using Border = TextBoxBorder;
    using Background = TextBoxBackground;

    // Created in tab order, which also makes it the focus chain.
    Label2 = makeLabel(this, "Label2", QStringLiteral("Obsessive Compulsive Inventory - Revised"),
                       twipsRect(105, 1290, 3795, 225));
    Label4 = makeLabel(this, "Label4", QStringLiteral("Obrix"), twipsRect(105, 135, 7020, 225));
    cmdPaperWebsite = makeButton(this, "cmdPaperWebsite", QStringLiteral("Get The Paper"),
                                 twipsRect(6630, 1605, 1905, 540));
    cmdVelmoorWebsite = makeButton(this, "cmdVelmoorWebsite",
                                   QStringLiteral("Visit Velmoor Website For More Software"),
                                   twipsRect(6525, 480, 2115, 540));
    Text1 = makeTextBox(this, "Text1", credits::licenceText(), twipsRect(105, 2970, 8730, 4845),
                        Border::Sunken, Background::Window);
    Text2 = makeTextBox(this, "Text2", credits::programmeCitation(), twipsRect(105, 480, 6210, 525),
                        Border::None, Background::ButtonFace);
    Text3 = makeTextBox(this, "Text3", credits::paperCitation(), twipsRect(105, 1605, 6210, 885),
                        Border::None, Background::ButtonFace);
    lblLicense =
        makeLabel(this, "lblLicense", QStringLiteral("License:"), twipsRect(105, 2640, 1215, 255));

    connect(cmdPaperWebsite, &QPushButton::clicked, this, &frmCredits::cmdPaperWebsite_Click);
    connect(cmdVelmoorWebsite, &QPushButton::clicked, this, &frmCredits::cmdVelmoorWebsite_Click);

    // Names for screen readers; the heading label is tied to the licence box.
    describeButton(cmdPaperWebsite,
                   QStringLiteral("Opens the paper's page at its publisher in the web browser"));
    describeButton(cmdVelmoorWebsite,
                   QStringLiteral("Opens the maker's web site in the web browser"));
    describe(Text2, QStringLiteral("Programme citation"));
    describe(Text3, QStringLiteral("Paper citation"));
    describe(Text1, QStringLiteral("License"));
    tie(lblLicense, Text1);
    cmdPaperWebsite->setFocus(Qt::OtherFocusReason);
}

void frmCredits::cmdPaperWebsite_Click() {
    opener_.openUrl(credits::paperLandingPage());
}

void frmCredits::cmdVelmoorWebsite_Click() {
    opener_.openUrl(credits::makerWebsite());
}

void frmCredits::keyPressEvent(QKeyEvent* event) {
    // The window has no Cancel button, so Escape does not close it (QDialog would reject).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void showCredits(QWidget* owner, services::UrlOpener& opener) {
    frmCredits window(owner, opener);
    window.exec();
}

} // namespace obrix::ui
