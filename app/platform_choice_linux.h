#pragma once

#include <QByteArray>

#include <functional>

// Linux alone chooses Qt's platform for itself (see platform_linux.cpp); declared here for its test.
namespace shoewise::platform {

// Looks up an environment variable; empty when it is unset.
using Environment = std::function<QByteArray(const char* name)>;

// The Qt platform the program asks for in the given environment and with the given arguments, or
// empty to leave Qt's own choice. The user's own choice is always left standing.
QByteArray choosePlatform(const Environment& environment, int argc, const char* const* argv);

}  // namespace shoewise::platform
