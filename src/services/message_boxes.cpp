#include "services/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace obrix::services {

namespace {

QMessageBox::StandardButton toStandard(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toStandard(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toStandard(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer fromStandard(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return escapeAnswer(buttons);
    }
}

} // namespace

MessageAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer firstButton(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

MessageAnswer MessageBoxes::show(const QString& text, MessageButtons buttons, MessageIcon icon,
                                 std::optional<MessageAnswer> defaultButton,
                                 const QString& caption) {
    Message message;
    message.text = text;
    message.buttons = buttons;
    message.icon = icon;
    message.defaultButton = defaultButton;
    message.caption = caption;
    return present(message);
}

MessageAnswer DialogMessageBoxes::present(const Message& message) {
    // Nobody can answer a dialog on the offscreen platform (the automated tests): stop at once
    // with the message instead of waiting forever.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        qFatal("Unscripted message box \"%s\": %s", qUtf8Printable(message.caption),
               qUtf8Printable(message.text));

    QMessageBox box(toStandard(message.icon), message.caption, QString(),
                    toStandard(message.buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // Messages join a sentence and a system description with CR LF; the label wants LF only.
    QString shownText = message.text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shownText);
    // Screen readers announce a dialog by its name (the caption) and description.
    box.setAccessibleDescription(shownText);
    box.setDefaultButton(toStandard(message.defaultButton.value_or(firstButton(message.buttons))));
    box.setEscapeButton(toStandard(escapeAnswer(message.buttons)));
    return fromStandard(box.exec(), message.buttons);
}

} // namespace obrix::services
