#include "tests/desktop/heard.h"

namespace shoewise::testing {

// This Qt has no announcement event: a notification's appearance is what is heard.
std::optional<std::string> announcementOf(const QAccessibleEvent& /*event*/)
{
    return std::nullopt;
}

}  // namespace shoewise::testing
