// Reads the system's font configuration on a thread of its own while the
// application connects to the display and loads its platform plugin.
//
// Parsing fontconfig's XML configuration is the largest single piece of a
// start-up that draws text, and the first text measured would do it on the
// main thread, after everything else; started before the QApplication it
// runs beside the display's set-up instead, and Qt finds it done. Qt reads
// the same default configuration the same way, so nothing it finds changes.
//
// Make one before the QApplication and call wait() before the first text is
// measured: fontconfig does not share a configuration still being read, so a
// font looked up in the meantime would read it all a second time.
#pragma once

#include <thread>

class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the configuration is read (at once when it already is).
    void wait();

private:
    std::thread reader_;
};
