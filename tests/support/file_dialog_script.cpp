#include "file_dialog_script.h"

namespace obrix::testing {

services::FileDialogAnswer FileDialogScript::ask(const services::FileDialogRequest& request) {
    requests_.append(request);
    if (answers_.empty())
        qFatal("Unexpected file dialog \"%s\" (no answer scripted)",
               qPrintable(request.title.isEmpty() ? QStringLiteral("open") : request.title));
    services::FileDialogAnswer next = std::move(answers_.front());
    answers_.pop_front();
    return next;
}

} // namespace obrix::testing
