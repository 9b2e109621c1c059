#pragma once

#include "app/ClmApp.h"
#include "res/ControlIds.h"
#include "ui/MyHtmlView.h"
#include "wnd/Dialog.h"

namespace lumora {

// The online wallpaper page: a child window below the tabs that holds the library page of the
// maker's service in a browser view.
class LMDialog : public Dialog {
public:
    explicit LMDialog(AppPorts& ports);
    ~LMDialog() override;

protected:
    bool OnInitDialog() override;

private:
    MyHtmlView m_view;
};

}  // namespace lumora
