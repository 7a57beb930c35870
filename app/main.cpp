// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program: a drag-and-drop exercise on the preparation of
// alkynes.  The program opens its one main window and runs until that
// window is closed.
#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include "app/QuitAfterFirstFrame.h"
#include "app/Recording.h"
#include "content/Artwork.h"
#include "content/Twips.h"
#include "info/Commands.h"
#include "model/Design.h"
#include "translations/Translations.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"

namespace {

// What the command line asks of the window.
struct Options {
    std::optional<qreal> zoom;  // --scale
    bool clickToPlace = false;  // --click-to-place
    bool fullScreen = false;    // --fullscreen
};

// The factor of --scale; one that is no number in the allowed range ends
// the program with a message.  The decimal comma of the Greek keyboard is
// taken as well.
qreal ReadScale(const QString& given) {
    using alkynes::twips::kLargestZoom;
    using alkynes::twips::kSmallestZoom;
    QString text = given.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool number = false;
    const double factor = text.toDouble(&number);
    if (!number || !std::isfinite(factor) || factor < kSmallestZoom || factor > kLargestZoom) {
        std::fprintf(stderr, "%s\n",
                     QString::fromUtf8("alkynes: ο συντελεστής του --scale είναι αριθμός από "
                                       "%1 έως %2, όχι «%3».")
                         .arg(kSmallestZoom)
                         .arg(kLargestZoom)
                         .arg(given)
                         .toLocal8Bit()
                         .constData());
        std::exit(EXIT_FAILURE);
    }
    return factor;
}

// Reads the program's own options (Qt's, such as -platform, were taken by
// QApplication already) into `parser`: --help and --version answer and end
// the program, and --scale gives the zoom the window is wanted at.  The
// options of the learning record and the report are `records`' to read.
Options ReadOptions(const QCoreApplication& app, QCommandLineParser& parser,
                    const alkynes::app::RecordOptions& records) {
    using alkynes::twips::kLargestZoom;
    using alkynes::twips::kSmallestZoom;
    parser.setApplicationDescription(
        QString::fromUtf8(alkynes::design::kTitle) +
        QString::fromUtf8(": άσκηση οργανικής χημείας για το λύκειο."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QString::fromUtf8("Δείχνει αυτή τη βοήθεια."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QString::fromUtf8("Δείχνει την έκδοση του προγράμματος."));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QString::fromUtf8("Μεγεθύνει όλο το παράθυρο κατά τον συντελεστή, από %1 έως %2 "
                          "(π.χ. 1.5). Αν το παράθυρο δεν χωράει τότε στην οθόνη, "
                          "ο συντελεστής μικραίνει όσο χρειάζεται.")
            .arg(kSmallestZoom)
            .arg(kLargestZoom),
        QString::fromUtf8("συντελεστής"));
    const QCommandLineOption clickToPlace(
        QStringLiteral("click-to-place"),
        QString::fromUtf8("Με το ποντίκι, ένα κλικ σε μια ένωση την παίρνει και το επόμενο "
                          "κλικ την αφήνει, χωρίς σύρσιμο (όπως το άγγιγμα στην οθόνη αφής)."));
    const QCommandLineOption fullScreen(
        QStringLiteral("fullscreen"),
        QString::fromUtf8("Ανοίγει σε πλήρη οθόνη, όσο μεγάλη χωράει (για προβολέα ή "
                          "διαδραστικό πίνακα)· το F11 ή το Esc δίνει πίσω το παράθυρο."));
    parser.addOptions({help, version, scale, clickToPlace, fullScreen});
    records.AddTo(parser);
    parser.process(app);  // an unknown option ends the program here
    if (parser.isSet(help)) {
        parser.showHelp(EXIT_SUCCESS);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    records.Validate(parser);
    Options options{std::nullopt, parser.isSet(clickToPlace), parser.isSet(fullScreen)};
    if (parser.isSet(scale)) {
        options.zoom = ReadScale(parser.value(scale));
    }
    return options;
}

// True when the command line asks only to be told something (or for the
// class report): then no display is needed, and none is opened.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version") {
            return true;
        }
    }
    return false;
}

void Introduce(QCoreApplication& app) {
    alkynes::translations::Install(app);  // before any widget shows a Qt text
    QCoreApplication::setApplicationName(QStringLiteral("alkynes"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALKYNES_VERSION));
}

}  // namespace

int main(int argc, char* argv[]) {
    const alkynes::app::RecordOptions records;
    QCommandLineParser parser;
    if (AsksForHelpOrVersion(argc, argv) ||
        alkynes::app::RecordOptions::AsksForReport(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        Introduce(terminal);
        ReadOptions(terminal, parser, records);  // help and version end the program here
        return records.RunReport(parser);
    }
    QApplication app(argc, argv);
    Introduce(app);
    const Options options = ReadOptions(app, parser, records);
    // The desktop entry's name: on Wayland the window gets its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ALKYNES_APP_ID));
    QApplication::setWindowIcon(alkynes::content::WindowIcon());

    // The recorder outlives the window whose checks it is told of.
    std::unique_ptr<alkynes::records::Recorder> recorder;
    alkynes::Form1Window window;  // loads the exercise before it is shown
    // The attempt is timed from here, the window's load just done.
    recorder = records.Record(parser, window.Logic());
    // What a screen reader finds on the board and hears of it.
    alkynes::AttachBoardAccessible(*window.Board(), window.Logic());
    window.SetWantedZoom(options.zoom);
    window.Board()->SetClickToPlace(options.clickToPlace);
    window.SetFullScreen(options.fullScreen);
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
