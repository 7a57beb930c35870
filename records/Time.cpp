// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Time.h"

#include <ctime>
#include <cstdio>

namespace alkynes::records {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// Reads the digits at `text`'s front: exactly `count` of them, or with
// count 0 as many as there are (at least one, at most 18).
std::optional<std::int64_t> Digits(std::string_view& text, std::size_t count = 0) {
    std::size_t n = 0;
    std::int64_t value = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9' && (count == 0 || n < count)) {
        if (n == 18) {
            return std::nullopt;
        }
        value = value * 10 + (text[n] - '0');
        ++n;
    }
    if (n == 0 || (count != 0 && n != count)) {
        return std::nullopt;
    }
    text.remove_prefix(n);
    return value;
}

bool Take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// A fraction's digits after the point, as a count of `unit`ths (the digits
// beyond the unit's precision are dropped).
std::optional<std::int64_t> Fraction(std::string_view& text, std::int64_t unit) {
    std::int64_t value = 0;
    std::int64_t scale = unit;
    std::size_t n = 0;
    for (; n < text.size() && text[n] >= '0' && text[n] <= '9'; ++n) {
        if (scale > 1) {
            scale /= 10;
            value += (text[n] - '0') * scale;
        }
    }
    if (n == 0) {
        return std::nullopt;
    }
    text.remove_prefix(n);
    return value;
}

}  // namespace

std::string FormatTimestamp(Milliseconds since_epoch, minutes offset) {
    const Milliseconds local = since_epoch + offset;
    const auto day = floor<days>(local);
    const std::chrono::year_month_day date{std::chrono::sys_days{day}};
    const std::chrono::hh_mm_ss<Milliseconds> time{local - day};
    const long long away = offset.count() < 0 ? -offset.count() : offset.count();
    char text[128];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lld.%03lld%c%02lld:%02lld",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<long long>(time.hours().count()),
                  static_cast<long long>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()),
                  static_cast<long long>(time.subseconds().count()), offset.count() < 0 ? '-' : '+',
                  away / 60, away % 60);
    return text;
}

std::string LocalTimestamp(std::chrono::system_clock::time_point when) {
    const auto since_epoch = floor<Milliseconds>(when.time_since_epoch());
    const std::time_t whole = floor<seconds>(since_epoch).count();
    std::tm local{};
    localtime_r(&whole, &local);
    return FormatTimestamp(since_epoch, floor<minutes>(seconds(local.tm_gmtoff)));
}

std::optional<Milliseconds> ParseTimestamp(std::string_view text) {
    const auto year = Digits(text, 4);
    const bool dash1 = Take(text, '-');
    const auto month = Digits(text, 2);
    const bool dash2 = Take(text, '-');
    const auto day = Digits(text, 2);
    const bool tee = Take(text, 'T') || Take(text, 't');
    const auto hour = Digits(text, 2);
    const bool colon1 = Take(text, ':');
    const auto minute = Digits(text, 2);
    const bool colon2 = Take(text, ':');
    const auto second = Digits(text, 2);
    if (!year || !dash1 || !month || !dash2 || !day || !tee || !hour || !colon1 || !minute ||
        !colon2 || !second || *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    std::int64_t millis = 0;
    if (Take(text, '.')) {
        const auto fraction = Fraction(text, 1000);
        if (!fraction) {
            return std::nullopt;
        }
        millis = *fraction;
    }
    minutes offset{0};
    if (!Take(text, 'Z') && !Take(text, 'z')) {
        const bool east = Take(text, '+');
        if (!east && !Take(text, '-')) {
            return std::nullopt;
        }
        const auto oh = Digits(text, 2);
        const bool colon = Take(text, ':');
        const auto om = Digits(text, 2);
        if (!oh || !colon || !om || *oh > 23 || *om > 59) {
            return std::nullopt;
        }
        offset = minutes((*oh * 60 + *om) * (east ? 1 : -1));
    }
    const std::chrono::year_month_day date{std::chrono::year(static_cast<int>(*year)),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!text.empty() || !date.ok()) {
        return std::nullopt;
    }
    const Milliseconds local = std::chrono::sys_days(date).time_since_epoch() + hours(*hour) +
                               minutes(*minute) + seconds(*second) + Milliseconds(millis);
    return local - offset;
}

std::string FormatDuration(Centiseconds length) {
    std::int64_t left = length.count() < 0 ? 0 : length.count();
    const std::int64_t h = left / 360000;
    left %= 360000;
    const std::int64_t m = left / 6000;
    left %= 6000;
    std::string text = "PT";
    if (h > 0) {
        text += std::to_string(h) + "H";
    }
    if (h > 0 || m > 0) {
        text += std::to_string(m) + "M";
    }
    text += std::to_string(left / 100);
    if (left % 100 != 0) {
        char hundredths[4];
        std::snprintf(hundredths, sizeof hundredths, ".%02d", static_cast<int>(left % 100));
        std::string decimals = hundredths;
        if (decimals.back() == '0') {
            decimals.pop_back();
        }
        text += decimals;
    }
    return text + "S";
}

std::optional<Centiseconds> ParseDuration(std::string_view text) {
    constexpr std::int64_t kYear = 366LL * 24 * 360000;
    if (!Take(text, 'P') || text.empty()) {
        return std::nullopt;
    }
    std::int64_t total = 0;
    int parts = 0;
    // One number and its unit letter; the seconds may have a fraction.
    const auto part = [&](char unit, std::int64_t centis, bool fraction) {
        std::string_view rest = text;
        const auto whole = Digits(rest);
        if (!whole) {
            return true;  // not there: fine
        }
        std::int64_t hundredths = 0;
        if (fraction && Take(rest, '.')) {
            const auto f = Fraction(rest, 100);
            if (!f) {
                return false;
            }
            hundredths = *f;
        }
        if (!Take(rest, unit)) {
            // Hours or minutes not there: the number is the next unit's.
            return unit == 'H' || unit == 'M';
        }
        if (*whole > kYear) {
            return false;
        }
        total += *whole * centis + hundredths;
        ++parts;
        text = rest;
        return true;
    };
    if (!part('D', 24LL * 360000, false)) {
        return std::nullopt;
    }
    if (Take(text, 'T')) {
        const int before = parts;
        if (!part('H', 360000, false) || !part('M', 6000, false) || !part('S', 100, true) ||
            parts == before) {
            return std::nullopt;
        }
    }
    if (!text.empty() || parts == 0 || total > kYear) {
        return std::nullopt;
    }
    return Centiseconds(total);
}

}  // namespace alkynes::records
