#include "ui/SCDIALOG.h"

#include "res/DialogTemplates.h"

namespace lumora {

SCDIALOG::SCDIALOG() : Dialog(DialogResource(kFilterBarTemplate)) {}

}  // namespace lumora
