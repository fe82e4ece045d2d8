#pragma once

// The texts the window shows when a record cannot be opened or saved.

#include <string>
#include <string_view>

namespace obrix::records {

// "Are you sure the file isn't corrupt ... the following error", CR LF, description.
std::string unreadableRecordMessage(std::string_view description);

// "Something went very wrong and resulted in the following error:", CR LF, description.
std::string saveFailureMessage(std::string_view description);

} // namespace obrix::records
