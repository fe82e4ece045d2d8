#include "scoring/validation.h"

#include "scoring/numeric_text.h"

namespace obrix::scoring {

ValidationError validateItem(std::string_view text) {
    if (text.empty())
        return ValidationError::EmptyItem;
    const double number = readNumber(text);
    // Written so that a NaN would be refused too (readNumber never returns one).
    if (!(number >= 0 && number <= 4))
        return ValidationError::OutOfRange;
    return ValidationError::None;
}

ValidationError validateItems(const ItemTexts& items) {
    for (const int item : kWalkOrder) {
        const ValidationError error = validateItem(items[static_cast<std::size_t>(item - 1)]);
        if (error != ValidationError::None)
            return error;
    }
    return ValidationError::None;
}

} // namespace obrix::scoring
