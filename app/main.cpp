// Παρασκευές αλκινίων: a drag-and-drop exercise on the preparation of
// alkynes.  The program opens its one main window and runs until that
// window is closed.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "info/Commands.h"
#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"
#include "content/Artwork.h"
#include "translations/Translations.h"

namespace {

// For the start-up measurement (bench/startup.sh): with
// ALKYNES_QUIT_AFTER_FIRST_FRAME set, the program quits as soon as its
// first frame has been painted.
class QuitAfterPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    alkynes::translations::Install(app);  // before any widget shows a Qt text
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
    QuitAfterPaint quitAfterPaint;
    if (qEnvironmentVariableIsSet("ALKYNES_QUIT_AFTER_FIRST_FRAME")) {
        window.Board()->installEventFilter(&quitAfterPaint);
    }
    window.show();
    return QApplication::exec();
}
