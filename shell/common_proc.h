// The common procedure of the main window: creation, sizing, painting, drag
// feedback, the menu commands, destruction and socket notifications. Every
// mode procedure passes these messages on to it.
#pragma once

#include <cstdint>

namespace orbel {

class MainWindow;

int commonProc(MainWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace orbel
