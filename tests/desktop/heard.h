#pragma once

#include <QAccessibleEvent>

#include <optional>
#include <string>

namespace shoewise::testing {

// The text of an announcement a screen reader is handed in an accessibility event, where the Qt has
// such events; nothing for any other event.
std::optional<std::string> announcementOf(const QAccessibleEvent& event);

}  // namespace shoewise::testing
