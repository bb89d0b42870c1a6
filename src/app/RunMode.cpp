#include "app/RunMode.h"

#include "ui/Module.h"

namespace app {

bool IsStartupRun() { return IsStartupArgument(ui::ParamStr(1)); }

}  // namespace app
