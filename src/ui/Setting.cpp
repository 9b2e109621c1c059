#include "ui/Setting.h"

#include "res/DialogTemplates.h"

namespace lumora {

Setting::Setting() : Dialog(DialogResource(kSettingsTemplate)) {}

}  // namespace lumora
