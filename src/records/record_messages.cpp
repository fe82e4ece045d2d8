#include "records/record_messages.h"

namespace obrix::records {

namespace {

std::string withDescription(std::string_view sentence, std::string_view description) {
    std::string text(sentence);
    text += "\r\n";
    text += description;
    return text;
}

} // namespace

std::string unreadableRecordMessage(std::string_view description) {
    // The sentence ends with "error" and no colon, unlike the save failure.
    return withDescription("Are you sure the file isn't corrupt and that you're trying to open a "
                           "correct file type? Something went very wrong and resulted in the "
                           "following error",
                           description);
}

std::string saveFailureMessage(std::string_view description) {
    return withDescription("Something went very wrong and resulted in the following error:",
                           description);
}

} // namespace obrix::records
