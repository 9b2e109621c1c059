#pragma once

#include "platform/Host.h"

namespace lumora {

// One notification icon of the GTK host, whichever way the desktop shows it.
class NotificationAreaIcon {
public:
    virtual ~NotificationAreaIcon() = default;
    virtual void Update(const TrayIcon& icon) = 0;
};

}  // namespace lumora
