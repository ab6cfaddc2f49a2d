// Quill's Sliding Window Demo: the desktop program. It takes no arguments and
// reads and writes no files; everything happens in the one window.
#include <QApplication>

#include "ui/qt/main_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return application.exec();
}
