#include "app/ProcessStrings.h"

namespace lumora {

ProcessStrings& Strings() {
    static ProcessStrings strings;
    return strings;
}

}  // namespace lumora
