#include "platform/media_probe.h"

#include <mpv/client.h>

#include <clocale>

bool mediaPlayerAvailable() {
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* handle = mpv_create();
    if (!handle) return false;
    mpv_set_option_string(handle, "vo", "null");
    mpv_set_option_string(handle, "ao", "null");
    const bool ok = mpv_initialize(handle) >= 0;
    mpv_terminate_destroy(handle);
    return ok;
}
