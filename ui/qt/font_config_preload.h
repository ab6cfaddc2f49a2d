// Reads the system's font configuration on a thread of its own while the
// application connects to the display and loads its platform plugin, and then
// lists the fonts into Qt's font database while the window is being built.
//
// Parsing fontconfig's XML configuration is the largest single piece of a
// start-up that draws text, and the first text measured would do it on the
// main thread, after everything else; started before the QApplication it
// runs beside the display's set-up instead, and Qt finds it done. Qt reads
// the same default configuration the same way, so nothing it finds changes.
// The thread is done with it long before the application is, so it goes on
// to the next piece the first text would need, the list of the fonts: that
// needs the application, and runs beside the window's menu bar and model.
// Qt's font database may be filled from any thread, and is filled once.
//
// Make one before the QApplication, call applicationMade() as soon as the
// QApplication exists, and wait() before the first text is measured:
// fontconfig does not share a configuration still being read, so a font
// looked up in the meantime would read it all a second time.
#pragma once

#include <future>
#include <mutex>
#include <thread>

class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // The QApplication exists: the thread may list the fonts once the
    // configuration is read.
    void applicationMade();
    // Returns once the thread is done (at once when it already is). Before
    // applicationMade(), the fonts are left for Qt to list when it needs them.
    void wait();

private:
    void decide(bool listFonts);

    std::promise<bool> listFonts_;
    std::once_flag decided_;
    std::thread reader_;
};
