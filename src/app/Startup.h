// The program's start-up sequence, from creating the windows to the end of the main loop.
#pragma once

namespace app {

int RunVantoria();

}  // namespace app
