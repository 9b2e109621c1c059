// The updater the program starts when the service offers a new version: it opens the home page
// in the user's browser, where the new version is fetched. It reads HOMEURL from conf.ini
// beside itself, as the program does, and opens only web pages.
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/WebTarget.h"
#include "platform/Shell.h"

int main() {
    lumora::Config config = lumora::Config::ForApplication();
    std::string home = config.ReadString(lumora::kKeyHomeUrl, lumora::kDefaultHomeUrl);
    return lumora::OpenWebTarget(lumora::SystemShell(), home) ? 0 : 1;
}
