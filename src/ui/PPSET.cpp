#include "ui/PPSET.h"

#include "res/DialogTemplates.h"

namespace lumora {

PPSET::PPSET() : Dialog(DialogResource(kMenuPanelTemplate)) {}

}  // namespace lumora
