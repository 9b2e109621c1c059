#include "ui/TimeDLG.h"

#include "res/DialogTemplates.h"

namespace lumora {

TimeDLG::TimeDLG() : Dialog(DialogResource(kIntervalPickerTemplate)) {}

}  // namespace lumora
