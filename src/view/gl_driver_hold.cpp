#include "view/gl_driver_hold.h"

#include <dlfcn.h>
#include <link.h>

#include <mutex>
#include <string>
#include <vector>

namespace velnor {

namespace {

// Mesa's drivers live in a "dri" folder, whichever library loaded them.
bool IsGlDriver(const std::string& path) { return path.find("/dri/") != std::string::npos; }

std::vector<std::string> LoadedGlDrivers() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const std::string path = info->dlpi_name ? info->dlpi_name : "";
            if (IsGlDriver(path)) {
                static_cast<std::vector<std::string>*>(found)->push_back(path);
            }
            return 0;
        },
        &drivers);
    return drivers;
}

}  // namespace

void KeepGlDriverLoaded() {
    static std::once_flag held;
    std::call_once(held, [] {
        for (const std::string& driver : LoadedGlDrivers()) {
            // The handle stays open on purpose: with RTLD_NODELETE the driver outlives every
            // dlclose, the display's included.
            dlopen(driver.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
        }
    });
}

}  // namespace velnor
