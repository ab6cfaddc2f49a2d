#include "ui/qt/font_config_preload.h"

#include <system_error>

#ifdef SWD_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigPreload::FontConfigPreload()
{
#ifdef SWD_HAVE_FONTCONFIG
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
#endif
}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait()
{
    if (reader_.joinable()) reader_.join();
}
