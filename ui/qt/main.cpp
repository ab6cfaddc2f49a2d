// Quill's Sliding Window Demo: the desktop program. It takes no arguments;
// it remembers only how the window looks (zoom, palette, speed, where the
// panel was), never the state of a simulation.
#include <QApplication>
#include <QSettings>

#include "ui/qt/main_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QSettings preferences(QStringLiteral("Quill"), QStringLiteral("Sliding Window Demo"));
    MainWindow window;
    window.usePreferences(&preferences);
    window.show();
    return application.exec();
}
