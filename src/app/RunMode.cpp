#include "app/RunMode.h"

#include "platform/Module.h"

namespace app {

bool IsStartupRun() { return IsStartupArgument(platform::ParamStr(1)); }

}  // namespace app
