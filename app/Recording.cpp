// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Recording.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "info/Texts.h"
#include "records/RecordFile.h"
#include "report/Report.h"

namespace alkynes::app {
namespace {

void Say(const QString& message) {
    std::fprintf(stderr, "alkynes: %s\n", message.toLocal8Bit().constData());
}

[[noreturn]] void Refuse(const QString& message) {
    Say(message);
    std::exit(EXIT_FAILURE);
}

// A yes or no of the setting; anything else is told and leaves `fallback`.
bool Flag(const QSettings& settings, const QString& file, const char* key, bool fallback) {
    const QString text = settings.value(QLatin1String(key)).toString().trimmed().toLower();
    if (text.isEmpty()) {
        return fallback;
    }
    for (const char* yes : {"true", "yes", "on", "1"}) {
        if (text == QLatin1String(yes)) {
            return true;
        }
    }
    for (const char* no : {"false", "no", "off", "0"}) {
        if (text == QLatin1String(no)) {
            return false;
        }
    }
    Say(QString::fromUtf8("στο «%1» το %2 είναι true ή false, όχι «%3»· μένει %4.")
            .arg(file, QLatin1String(key), text,
                 fallback ? QStringLiteral("true") : QStringLiteral("false")));
    return fallback;
}

}  // namespace

SystemSetting ReadSystemSetting() {
    SystemSetting setting;
    // The system's folders only: a user's own ~/.config has no say here.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    for (const QString& folder : folders) {
        const QString file = folder + QStringLiteral("/alkynes/alkynes.conf");
        if (QFileInfo(file).isFile()) {
            setting.file = file;
            break;
        }
    }
    if (setting.file.isEmpty()) {
        return setting;
    }
    QSettings settings(setting.file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("records"));
    setting.enabled = Flag(settings, setting.file, "enabled", true);
    setting.folder = settings.value(QStringLiteral("folder")).toString().trimmed();
    return setting;
}

RecordOptions::RecordOptions()
    : resultsDir_(QStringLiteral("results-dir"),
                  QString::fromUtf8("Γράφει τα αποτελέσματα των ελέγχων στον φάκελο της τάξης, "
                                    "ένα αρχείο <όνομα χρήστη>.jsonl για κάθε μαθητή."),
                  QString::fromUtf8("φάκελος")),
      noRecord_(QStringLiteral("no-record"),
                QString::fromUtf8("Δεν κρατά τα αποτελέσματα των ελέγχων.")),
      report_(QStringLiteral("report"),
              QString::fromUtf8("Γράφει την αναφορά της τάξης (HTML) από τα αρχεία ή τους "
                                "φακέλους αποτελεσμάτων που δίνονται, αλλιώς από εκεί όπου "
                                "γράφονται τα αποτελέσματα του χρήστη.")),
      output_(QStringList{QStringLiteral("o"), QStringLiteral("output")},
              QString::fromUtf8("Με --report: γράφει την αναφορά στο αρχείο (αλλιώς στην "
                                "τυπική έξοδο)."),
              QString::fromUtf8("αρχείο")),
      csv_(QStringLiteral("csv"),
           QString::fromUtf8("Με --report: γράφει πίνακα CSV για υπολογιστικό φύλλο αντί για "
                             "σελίδα HTML.")) {}

void RecordOptions::AddTo(QCommandLineParser& parser) const {
    parser.addOptions({resultsDir_, noRecord_, report_, output_, csv_});
    parser.addPositionalArgument(QString::fromUtf8("αρχεία"),
                                 QString::fromUtf8("Με --report: αρχεία ή φάκελοι αποτελεσμάτων."),
                                 QString::fromUtf8("[αρχείο|φάκελος ...]"));
}

bool RecordOptions::AsksForReport(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--report") {
            return true;
        }
    }
    return false;
}

void RecordOptions::Validate(const QCommandLineParser& parser) const {
    if (parser.isSet(report_)) {
        return;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Refuse(QString::fromUtf8("αρχεία δίνονται μόνο με το --report, όχι «%1».")
                   .arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(output_) || parser.isSet(csv_)) {
        Refuse(QString::fromUtf8("τα -o και --csv δίνονται μόνο με το --report."));
    }
}

std::optional<records::Destination> RecordOptions::Destination(
    const QCommandLineParser& parser, const SystemSetting& setting,
    const std::string& login) const {
    if (parser.isSet(noRecord_)) {
        return std::nullopt;
    }
    if (parser.isSet(resultsDir_)) {
        return records::ClassFile(QFile::encodeName(parser.value(resultsDir_)).toStdString(), login);
    }
    if (!setting.enabled) {
        return std::nullopt;
    }
    if (!setting.folder.isEmpty()) {
        return records::ClassFile(QFile::encodeName(setting.folder).toStdString(), login);
    }
    const std::string home = records::DataHome();
    if (home.empty()) {
        Say(QString::fromUtf8("δεν βρέθηκε φάκελος για τα αποτελέσματα (ούτε XDG_DATA_HOME ούτε "
                              "HOME)· δεν κρατιούνται."));
        return std::nullopt;
    }
    return records::OwnFile(home);
}

int RecordOptions::RunReport(const QCommandLineParser& parser) const {
    std::vector<std::string> paths;
    for (const QString& path : parser.positionalArguments()) {
        paths.push_back(QFile::encodeName(path).toStdString());
    }
    if (paths.empty()) {
        // Where this user's records go: the class folder, or the own file.
        const SystemSetting setting = ReadSystemSetting();
        if (parser.isSet(resultsDir_)) {
            paths.push_back(QFile::encodeName(parser.value(resultsDir_)).toStdString());
        } else if (!setting.folder.isEmpty()) {
            paths.push_back(QFile::encodeName(setting.folder).toStdString());
        } else {
            paths.push_back(records::OwnFile(records::DataHome()).path);
        }
    }
    return report::WriteReport(paths, QFile::encodeName(parser.value(output_)).toStdString(),
                               parser.isSet(csv_));
}

std::unique_ptr<records::Recorder> RecordOptions::Record(const QCommandLineParser& parser,
                                                         Form1& form) const {
    records::Learner learner = records::CurrentLearner();
    const std::optional<records::Destination> to =
        Destination(parser, ReadSystemSetting(), learner.login);
    if (!to) {
        return nullptr;
    }
    records::Exercise exercise{.activityId = info::ExerciseIri().toStdString(),
                               .homePage = info::SchoolHomeUrl().toStdString(),
                               .moreInfo = info::WorksheetUrl().toStdString(),
                               .version = ALKYNES_VERSION};
    auto recorder = std::make_unique<records::Recorder>(
        std::move(learner), std::make_unique<records::RecordWriter>(*to, std::move(exercise)));
    records::Recorder* r = recorder.get();
    form.SubscribeChecks([r](const CheckOutcome& outcome) { r->Checked(outcome); });
    form.SubscribeRestarts([r] { r->Restarted(); });
    return recorder;
}

}  // namespace alkynes::app
