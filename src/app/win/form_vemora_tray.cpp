// The tray icon and its menu.
#include "app/win/form_vemora.h"

namespace vemora {

void TFormVemora::SetTrayIconEnabled(bool enabled) {
    trayIconEnabled_ = enabled;
}

}  // namespace vemora
