#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace obrix::services {
class UrlOpener;
}

namespace obrix::ui {

// The credits window: what the program is, how to cite it and its source paper, the licence,
// and two buttons that open the maker's web site and the paper's page at its publisher in the
// default browser. Fixed content; the buttons leave the window open. Only the close button (or
// the window manager's close keys) closes it.
//
// The controls are public for the main window's tests and screenshots; nothing else changes
// them.
class frmCredits final : public QDialog {
    Q_OBJECT

public:
    // Application-modal while shown, placed by the toolkit relative to owner. opener must outlive
    // the window.
    frmCredits(QWidget* owner, services::UrlOpener& opener);

    // In tab order; the labels take no focus, so the focus starts on cmdPaperWebsite.
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdPaperWebsite = nullptr;
    QPushButton* cmdVelmoorWebsite = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPlainTextEdit* Text3 = nullptr;
    QLabel* lblLicense = nullptr;

public slots:
    void cmdPaperWebsite_Click();
    void cmdVelmoorWebsite_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    services::UrlOpener& opener_;
};

// Shows the credits window modally over owner (the main window, or nullptr) and returns once the
// user has closed it. Web pages are opened through opener, one request per button click.
void showCredits(QWidget* owner, services::UrlOpener& opener);

} // namespace obrix::ui
