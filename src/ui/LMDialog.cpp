#include "ui/LMDialog.h"

#include "res/DialogTemplates.h"

namespace lumora {

LMDialog::LMDialog() : Dialog(DialogResource(kOnlinePageTemplate)) {}

}  // namespace lumora
