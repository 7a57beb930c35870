// Παρασκευές αλκινίων: a drag-and-drop exercise on the preparation of
// alkynes.  The program opens its one main window and runs until that
// window is closed.
#include <QApplication>

#include "info/Commands.h"
#include "window/Form1Window.h"
#include "window/content/Artwork.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("alkynes"));
    QApplication::setApplicationVersion(QStringLiteral(ALKYNES_VERSION));
    QApplication::setWindowIcon(alkynes::content::WindowIcon());

    alkynes::Form1Window window;  // loads the exercise before it is shown
    QObject::connect(&window, &alkynes::Form1Window::helpRequested, &window,
                     [&window] { alkynes::info::mnuHelp_Click(&window); });
    QObject::connect(&window, &alkynes::Form1Window::sheetRequested, &window,
                     [] { alkynes::info::mnuSheet_Click(); });
    QObject::connect(&window, &alkynes::Form1Window::aboutRequested, &window,
                     [&window] { alkynes::info::mnuAbout_Click(&window); });
    window.show();
    return QApplication::exec();
}
