#include "ui/qt/font_config_preload.h"

#include <QFontDatabase>
#include <QStringList>
#include <system_error>

#ifdef SWD_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigPreload::FontConfigPreload()
{
#ifdef SWD_HAVE_FONTCONFIG
    try {
        reader_ = std::thread([listFonts = listFonts_.get_future()]() mutable {
            FcInit();
            if (listFonts.get()) static_cast<void>(QFontDatabase::families());
        });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs it.
    }
#endif
}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::applicationMade() { decide(true); }

void FontConfigPreload::wait()
{
    decide(false);
    if (reader_.joinable()) reader_.join();
}

void FontConfigPreload::decide(bool listFonts)
{
    std::call_once(decided_, [this, listFonts] { listFonts_.set_value(listFonts); });
}
