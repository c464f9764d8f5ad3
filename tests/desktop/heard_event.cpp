#include "tests/desktop/heard.h"

#include <gtest/gtest.h>

namespace shoewise::testing {

std::optional<std::string> announcementOf(const QAccessibleEvent& event)
{
    if (event.type() != QAccessible::Announcement)
        return std::nullopt;
    const auto& announcement = static_cast<const QAccessibleAnnouncementEvent&>(event);
    EXPECT_EQ(announcement.politeness(), QAccessible::AnnouncementPoliteness::Assertive);
    return announcement.message().toStdString();
}

}  // namespace shoewise::testing
