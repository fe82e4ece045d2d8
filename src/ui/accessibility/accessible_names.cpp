#include "ui/accessibility/accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>

namespace obrix::ui {

void describe(QWidget* control, const QString& name, const QString& description) {
    if (control == nullptr)
        return;
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

void describeButton(QAbstractButton* button, const QString& description) {
    if (button != nullptr)
        describe(button, spokenCaption(button->text()), description);
}

void tie(QLabel* label, QWidget* control) {
    if (label != nullptr && control != nullptr)
        label->setBuddy(control);
}

void describeByCaptions(QWidget& window, const QString& name,
                        std::initializer_list<const QLabel*> captions) {
    QStringList texts;
    for (const QLabel* label : captions)
        if (label != nullptr && !label->text().isEmpty())
            texts.append(label->text());
    describe(&window, name, texts.join(QStringLiteral(", ")));
}

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i; // the marker goes; the character after it (a second "&" too) stays
            if (i == caption.size())
                break;
        }
        spoken.append(caption[i]);
    }
    return spoken;
}

} // namespace obrix::ui
