// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/AnswerKey.h"
#include "model/Design.h"
#include "report/Report.h"

namespace alkynes::report {
namespace {

constexpr const char* kMethodOfReaction[design::kReactions] = {
    "πυρόλυση του μεθανίου", "υδρόλυση του ανθρακασβεστίου", "αφυδραλογόνωση διχλωροαλκανίου",
    "αφυδραλογόνωση διχλωροαλκανίου", "αφυδραλογόνωση διχλωροαλκανίου"};

constexpr char kStyle[] = R"(
body{font-family:"DejaVu Sans","Liberation Sans",Arial,sans-serif;color:#222;margin:2em auto;
max-width:60em;padding:0 1em;line-height:1.4}
h1{font-size:1.6em;margin-bottom:.2em}h2{font-size:1.25em;margin-top:2em;border-bottom:2px solid #c00;
padding-bottom:.2em}
table{border-collapse:collapse;width:100%;font-size:.95em}
th,td{padding:.3em .6em;border-bottom:1px solid #ddd;text-align:left;vertical-align:top}
th{background:#fff4c0}td.n,th.n{text-align:right;font-variant-numeric:tabular-nums}
tbody tr:nth-child(even){background:#fafafa}
.share{position:relative;min-width:7em}
.share span.bar{position:absolute;left:0;top:.35em;bottom:.35em;background:#9be29b;z-index:0}
.share span.v{position:relative;z-index:1}
.share.low span.bar{background:#f3a6a6}
svg{display:block;max-width:100%;height:auto;margin:.5em 0}
svg text{font-family:inherit;font-size:13px;fill:#333}
.note{color:#555;font-size:.9em}footer{margin-top:3em;color:#555;font-size:.9em}
)";

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// A figure for the reader, with the Greek decimal comma.
std::string Number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    std::replace(out.begin(), out.end(), '.', ',');
    return out;
}

// A coordinate of a drawing, with the decimal point SVG wants.
std::string At(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

int Percent(int part, int whole) {
    return whole == 0 ? 0 : static_cast<int>(std::lround(100.0 * part / whole));
}

// A table cell with the share as a bar behind its figure.
std::string ShareCell(int part, int whole) {
    const int percent = Percent(part, whole);
    return "<td class=\"n share" + std::string(percent < 50 ? " low" : "") +
           "\"><span class=\"bar\" style=\"width:" + std::to_string(percent) +
           "%\"></span><span class=\"v\">" + std::to_string(percent) + "%</span></td>";
}

// "9/12/2026" from a timestamp's date.
std::string Date(const std::string& timestamp) {
    if (timestamp.size() < 10) {
        return "";
    }
    const int year = std::stoi(timestamp.substr(0, 4));
    const int month = std::stoi(timestamp.substr(5, 2));
    const int day = std::stoi(timestamp.substr(8, 2));
    return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The compound (or the two compounds of a pair) that belongs in slot s.
std::string RightCompound(int s) {
    const int r = ReactionOfSlot(s);
    const ReactionKey& key = kAnswerKey[static_cast<std::size_t>(r)];
    const auto slots = SlotsOfReaction(r);
    const auto place = static_cast<std::size_t>(std::find(slots.begin(), slots.end(), s) -
                                                slots.begin());
    const auto formula = [&](std::size_t k) {
        return std::string(design::kCompoundFormulas[static_cast<std::size_t>(key.compounds[k])]);
    };
    if (key.pairedLastTwo && place + 2 >= slots.size()) {
        return formula(slots.size() - 2) + " ή " + formula(slots.size() - 1);
    }
    return formula(place);
}

std::string Students(const ClassFigures& figures) {
    std::string html =
        "<table id=\"students\"><thead><tr><th>Μαθητής</th><th>Όνομα χρήστη</th>"
        "<th class=\"n\">Έλεγχοι</th><th class=\"n\">Πρώτος βαθμός</th>"
        "<th class=\"n\">Καλύτερος</th><th class=\"n\">Τελευταίος</th>"
        "<th class=\"n\">Χρόνος ως το 100</th></tr></thead><tbody>\n";
    for (const StudentRow& row : figures.students) {
        html += "<tr><td>" + Escape(row.name.empty() ? row.login : row.name) + "</td><td>" +
                Escape(row.login) + "</td><td class=\"n\">" + std::to_string(row.checks) +
                "</td><td class=\"n\">" + std::to_string(row.first) + "</td><td class=\"n\">" +
                std::to_string(row.best) + "</td><td class=\"n\">" + std::to_string(row.last) +
                "</td><td class=\"n\">" + (row.toFull ? Clock(*row.toFull) : "—") + "</td></tr>\n";
    }
    return html +
           "</tbody></table>\n<p class=\"note\">Ο χρόνος ως το 100 μετρά από την αρχή της "
           "άσκησης ή από το τελευταίο «Απ' την αρχή» πριν από τον πρώτο έλεγχο με 100 "
           "(λεπτά:δευτερόλεπτα).</p>\n";
}

std::string Histogram(const ClassFigures& figures) {
    constexpr double kLeft = 40, kTop = 24, kWidth = 590, kHeight = 170;
    const int most = std::max(1, *std::max_element(figures.bestGrades.begin(),
                                                   figures.bestGrades.end()));
    const double step = kWidth / static_cast<double>(figures.bestGrades.size());
    std::string svg =
        "<svg id=\"histogram\" viewBox=\"0 0 640 230\" width=\"640\" height=\"230\" "
        "role=\"img\" aria-label=\"Μαθητές ανά καλύτερο βαθμό\">\n"
        "<line x1=\"40\" y1=\"194\" x2=\"630\" y2=\"194\" stroke=\"#888\"/>\n";
    for (std::size_t b = 0; b < figures.bestGrades.size(); ++b) {
        const int count = figures.bestGrades[b];
        const std::string range = b == 10 ? "100"
                                          : std::to_string(b * 10) + "–" + std::to_string(b * 10 + 9);
        const double h = kHeight * count / most;
        const double x = kLeft + step * static_cast<double>(b);
        svg += "<g class=\"bin\" data-range=\"" + range + "\" data-count=\"" +
               std::to_string(count) + "\"><title>" + range + ": " +
               Plural(count, "μαθητής", "μαθητές") + "</title>";
        svg += "<rect x=\"" + At(x + 4) + "\" y=\"" + At(kTop + kHeight - h) +
               "\" width=\"" + At(step - 8) + "\" height=\"" + At(h) +
               "\" fill=\"" + (b == 10 ? "#2e9e2e" : "#c0392b") + "\"/>";
        svg += "<text x=\"" + At(x + step / 2) + "\" y=\"" +
               At(kTop + kHeight - h - 5) + "\" text-anchor=\"middle\">" +
               std::to_string(count) + "</text>";
        svg += "<text x=\"" + At(x + step / 2) +
               "\" y=\"212\" text-anchor=\"middle\">" + range + "</text></g>\n";
    }
    return svg + "<text x=\"335\" y=\"228\" text-anchor=\"middle\">καλύτερος βαθμός</text></svg>\n";
}

std::string Curve(const ClassFigures& figures) {
    constexpr double kLeft = 50, kTop = 16, kWidth = 570, kHeight = 190;
    const std::size_t points = figures.curve.size();
    const auto label = [&](std::size_t t) {
        return std::to_string(t + 1) + (t + 1 == kCurvePoints ? "+" : "");
    };
    const auto x = [&](std::size_t t) {
        return points <= 1 ? kLeft + kWidth / 2
                           : kLeft + kWidth * static_cast<double>(t) / static_cast<double>(points - 1);
    };
    const auto y = [&](double grade) { return kTop + kHeight * (1 - grade / 100); };
    std::string svg =
        "<svg id=\"curve\" viewBox=\"0 0 640 250\" width=\"640\" height=\"250\" role=\"img\" "
        "aria-label=\"Μέσος βαθμός ανά δοκιμή\">\n";
    for (int grade = 0; grade <= 100; grade += 25) {
        svg += "<line x1=\"50\" x2=\"620\" y1=\"" + At(y(grade)) + "\" y2=\"" +
               At(y(grade)) + "\" stroke=\"#ddd\"/><text x=\"42\" y=\"" +
               At(y(grade) + 4) + "\" text-anchor=\"end\">" + std::to_string(grade) +
               "</text>\n";
    }
    std::string line;
    std::string dots;
    for (std::size_t t = 0; t < points; ++t) {
        const CurvePoint& point = figures.curve[t];
        svg += "<text x=\"" + At(x(t)) + "\" y=\"226\" text-anchor=\"middle\">" +
               label(t) + "</text>";
        if (point.checks == 0) {
            continue;
        }
        line += At(x(t)) + "," + At(y(point.mean)) + " ";
        dots += "<circle cx=\"" + At(x(t)) + "\" cy=\"" + At(y(point.mean)) +
                "\" r=\"4\" fill=\"#c0392b\"><title>Δοκιμή " + label(t) + ": μέσος βαθμός " +
                Number(point.mean, 1) + " (" + Plural(point.checks, "έλεγχος", "έλεγχοι") +
                ")</title></circle>\n";
    }
    svg += "\n<polyline points=\"" + line + "\" fill=\"none\" stroke=\"#c0392b\" stroke-width=\"2\"/>\n";
    return svg + dots + "<text x=\"335\" y=\"246\" text-anchor=\"middle\">δοκιμή</text></svg>\n";
}

std::string CurveTable(const ClassFigures& figures) {
    std::string html =
        "<table id=\"tries\"><thead><tr><th>Δοκιμή</th><th class=\"n\">Έλεγχοι</th>"
        "<th class=\"n\">Μέσος βαθμός</th></tr></thead><tbody>\n";
    for (std::size_t t = 0; t < figures.curve.size(); ++t) {
        const CurvePoint& point = figures.curve[t];
        html += "<tr><td>" + std::to_string(t + 1) + (t + 1 == kCurvePoints ? " και πάνω" : "") +
                "</td><td class=\"n\">" + std::to_string(point.checks) + "</td><td class=\"n\">" +
                (point.checks > 0 ? Number(point.mean, 1) : "—") + "</td></tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string Blanks(const ClassFigures& figures) {
    std::string html =
        "<table id=\"blanks\"><thead><tr><th>Αντίδραση</th><th>Θέση</th><th>Σωστή ένωση</th>"
        "<th class=\"n\">Σωστά</th><th>Συχνότερη λάθος ένωση</th></tr></thead><tbody>\n";
    for (int s = 0; s < kSlots; ++s) {
        const BlankRow& row = figures.blanks[static_cast<std::size_t>(s)];
        const int r = ReactionOfSlot(s);
        const auto slots = SlotsOfReaction(r);
        const auto place = std::find(slots.begin(), slots.end(), s) - slots.begin();
        html += "<tr><td>" + std::to_string(r + 1) + " (" + kMethodOfReaction[r] + ")</td><td>" +
                std::to_string(place + 1) + "</td><td>" + Escape(RightCompound(s)) + "</td>" +
                ShareCell(row.right, figures.checks) + "<td>" +
                (row.mostWrong.empty()
                     ? std::string("—")
                     : Escape(row.mostWrong) + " (" + std::to_string(Percent(
                                                           row.mostWrongChecks, figures.checks)) +
                           "%)") +
                "</td></tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string Boxes(const ClassFigures& figures) {
    std::string html =
        "<table id=\"coefficients\"><thead><tr><th>Αντίδραση</th><th>Συντελεστής</th>"
        "<th class=\"n\">Σωστή τιμή</th><th class=\"n\">Σωστά</th><th class=\"n\">Λάθος</th>"
        "<th class=\"n\">Κενά</th></tr></thead><tbody>\n";
    for (int r = 0; r < design::kReactions; ++r) {
        const auto boxes = ReactionBoxes(r);
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            const BoxRow& row = figures.boxes[static_cast<std::size_t>(boxes[k])];
            html += "<tr><td>" + std::to_string(r + 1) + " (" + kMethodOfReaction[r] +
                    ")</td><td>" + std::to_string(k + 1) + "</td><td class=\"n\">" +
                    std::to_string(kAnswerKey[static_cast<std::size_t>(r)].ratio[k]) + "</td>" +
                    ShareCell(row.right, figures.checks) + "<td class=\"n\">" +
                    std::to_string(Percent(row.wrong, figures.checks)) + "%</td><td class=\"n\">" +
                    std::to_string(Percent(row.empty, figures.checks)) + "%</td></tr>\n";
        }
    }
    return html +
           "</tbody></table>\n<p class=\"note\">Σωστός είναι κάθε συντελεστής μιας αντίδρασης "
           "όταν οι συντελεστές της κρίθηκαν σωστοί (και οι πολλαπλάσιοι μετρούν σωστοί· ένα κενό "
           "κουτί μετρά 1)· κενός όταν το κουτί δεν φαινόταν ή δεν είχε τίποτα· λάθος αλλιώς.</p>\n";
}

std::string Footer(const ClassFigures& figures) {
    std::string html = "<footer>\n<p id=\"bad-lines\">";
    html += figures.badLines == 0
                ? "Όλες οι γραμμές των αρχείων διαβάστηκαν."
                : "Δεν διαβάστηκαν και παραλείφθηκαν " +
                      Plural(figures.badLines, "γραμμή", "γραμμές") +
                      " των αρχείων (κομμένες, αλλοιωμένες ή άλλης μορφής).";
    html += "</p>\n";
    for (const std::string& path : figures.unreadable) {
        html += "<p class=\"unreadable\">Δεν διαβάστηκε το «" + Escape(path) + "».</p>\n";
    }
    return html + "</footer>\n";
}

}  // namespace

std::string Clock(records::Centiseconds length) {
    const long long seconds = length.count() / 100;
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    }
    return text;
}

std::string Html(const ClassFigures& figures) {
    const std::string heading = Escape(design::kTitle) + ": αναφορά τάξης";
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"el\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>" + heading + "</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n<h1>" + heading + "</h1>\n";
    html += "<p id=\"summary\">" +
            Plural(static_cast<int>(figures.students.size()), "μαθητής", "μαθητές") + ", " +
            Plural(figures.checks, "έλεγχος", "έλεγχοι");
    if (!figures.from.empty()) {
        const std::string from = Date(figures.from);
        const std::string to = Date(figures.to);
        html += from == to ? ", στις " + from : ", από " + from + " έως " + to;
    }
    html += ".</p>\n<h2>Μαθητές</h2>\n" + Students(figures);
    html += "<h2>Οι καλύτεροι βαθμοί της τάξης</h2>\n<p class=\"note\">Πόσοι μαθητές έφτασαν "
            "ως καλύτερο βαθμό σε κάθε δεκάδα.</p>\n" +
            Histogram(figures);
    html += "<h2>Ο βαθμός ανά δοκιμή</h2>\n<p class=\"note\">Ο μέσος βαθμός των ελέγχων της "
            "τάξης ανά αριθμό δοκιμής: 1 είναι ο πρώτος έλεγχος από την αρχή της άσκησης ή από "
            "ένα «Απ' την αρχή», 2 ο δεύτερος, κ.ο.κ.</p>\n" +
            Curve(figures) + CurveTable(figures);
    html += "<h2>Οι κενές θέσεις</h2>\n<p class=\"note\">Σε πόσους από όλους τους ελέγχους είχε "
            "η θέση τη σωστή ένωση, και ποια λάθος ένωση είχε συχνότερα.</p>\n" +
            Blanks(figures);
    html += "<h2>Οι συντελεστές</h2>\n" + Boxes(figures);
    html += Footer(figures) + "</body>\n</html>\n";
    return html;
}

}  // namespace alkynes::report
