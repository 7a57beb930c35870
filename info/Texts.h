// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts and web addresses of the help, worksheet and about commands.
//
// Everything the information commands show or open is put together here,
// from fixed Greek texts and from the school's names and hosts of
// info/InfoConfig.h.  Texts that the platform shows keep their CR LF line
// breaks; ShownText() gives what a Qt text widget displays for them.
#pragma once

#include <QString>
#include <QStringList>

namespace alkynes::info {

// The help message: three sentences, in order, joined by CR LF, with no
// line break before the first or after the last.
QStringList HelpLines();
QString HelpText();
QString HelpTitle();  // "Βοήθεια"

// `text` as a Qt text widget shows it: every CR LF (and any lone CR) becomes
// one LF, so no stray character is drawn for the CR.
QString ShownText(const QString& text);

// Web addresses, all in the plain http scheme.
QString WorksheetUrl();      // the printable worksheet (PDF) on the school's server
QString SchoolHomeUrl();     // the school's home page
QString CollectionUrl();     // the author's collection of exercises
QString MakerProgramsUrl();  // the maker's page of free programs
// The exercise's identifier in its learning records, on the school's host.
QString ExerciseIri();

// The about window.
QString AboutCaption();   // the title, then ", 2014"
QString CreditLine();     // "Δρ. <author>, Χημικός"
QString Image1ToolTip();  // the emblem
QString Label1ToolTip();  // the credit line
QString Logo2ToolTip();   // the maker's logo

// The usage notice of the about window: what the program is, that it is
// for educational use and who made it; every line ends with CR LF, the
// last one included.
QString BuildNotice();

// The school's name as the emblem letters it (Lettering).
QString EmblemLettering();

// `name` in the emblem's lettering: capitals without accents, except the
// ending of an ordinal, which stays small after its digits ("2ο ΓΕΝΙΚΟ
// ΛΥΚΕΙΟ", "1ης ΤΑΞΗΣ").
QString Lettering(const QString& name);

// `text` in Greek capitals: upper case without accents or breathings (the
// diaeresis stays, as in ΠΡΟΪΟΝ).
QString CapitalsWithoutAccents(const QString& text);

// `text` without accents or breathings; the diaeresis stays.
QString WithoutAccents(const QString& text);

}  // namespace alkynes::info
