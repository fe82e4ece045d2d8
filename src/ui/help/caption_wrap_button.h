#pragma once

#include <QPushButton>

namespace obrix::ui::help {

// A push button whose caption wraps onto several lines when it is wider than the button, as the
// classic command button does. text() stays the caption as given.
class CaptionWrapButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionWrapButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace obrix::ui::help
