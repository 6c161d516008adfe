#include "game/game_window.h"

#include "game/window_messages.h"

namespace orbel {

int passToCommonProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case msg::WM_CREATE:
    case msg::WM_DESTROY:
    case msg::WM_SIZE:
    case msg::WM_PAINT:
    case msg::WM_COMMAND:
    case msg::WM_CTLCOLORSTATIC:
    case msg::WM_MOUSEMOVE:
    case msg::WM_SOCKET_NOTIFY: window.commonProc(message, wParam, lParam); return 0;
    default: return 0;
    }
}

}  // namespace orbel
