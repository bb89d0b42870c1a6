// "/show", from the desktop's menu: Explorer's window of the folder of the picture on the
// monitor under the pointer, with the file selected. The user asked, so what stops it is said in
// a box.
#pragma once

namespace app {

// 0 when the window was asked for, 1 when a box said why not.
int ShowPictureFile();

}  // namespace app
