// The current user's security identifier, as text ("S-1-5-21-...").
#pragma once

#include <string>

namespace platform {

// Fails with the system's error when the process token cannot tell.
std::string CurrentUserSid();

}  // namespace platform
