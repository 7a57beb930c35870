// Παρασκευές αλκινίων: a drag-and-drop exercise on the preparation of
// alkynes.  The program opens its one main window and runs until that
// window is closed.
#include <QApplication>

#include "app/QuitAfterFirstFrame.h"
#include "info/Commands.h"
#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"
#include "content/Artwork.h"
#include "translations/Translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    alkynes::translations::Install(app);  // before any widget shows a Qt text
    QApplication::setApplicationName(QStringLiteral("alkynes"));
    QApplication::setApplicationVersion(QStringLiteral(ALKYNES_VERSION));
    // The desktop entry's name: on Wayland the window gets its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ALKYNES_APP_ID));
    QApplication::setWindowIcon(alkynes::content::WindowIcon());

    alkynes::Form1Window window;  // loads the exercise before it is shown
    QObject::connect(&window, &alkynes::Form1Window::helpRequested, &window,
                     [&window] { alkynes::info::mnuHelp_Click(&window); });
    QObject::connect(&window, &alkynes::Form1Window::sheetRequested, &window,
                     [] { alkynes::info::mnuSheet_Click(); });
    QObject::connect(&window, &alkynes::Form1Window::aboutRequested, &window,
                     [&window] { alkynes::info::mnuAbout_Click(&window); });
    // For the start-up measurement (bench/startup.py): quits once the board
    // is first painted when ALKYNES_QUIT_AFTER_FIRST_FRAME is set.
    alkynes::QuitAfterFirstFrameIfAsked(window.Board());
    window.show();
    return QApplication::exec();
}
