// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Timestamps and durations as the records write and read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "records/Time.h"

namespace alkynes::records {
namespace {

using std::chrono::minutes;

// 2026-12-09T17:52:12.345Z
constexpr Milliseconds kMoment{1796838732345};

TEST(Timestamp, WritesTheLocalTimeWithItsOffsetAndReadsItBack) {
    const struct {
        Milliseconds when;
        minutes offset;
        const char* text;
    } cases[] = {
        {kMoment, minutes(0), "2026-12-09T17:52:12.345+00:00"},
        {kMoment, minutes(120), "2026-12-09T19:52:12.345+02:00"},
        {kMoment, minutes(-210), "2026-12-09T14:22:12.345-03:30"},
        {kMoment + minutes(375), minutes(-420), "2026-12-09T17:07:12.345-07:00"},  // day before
        {kMoment, minutes(14 * 60), "2026-12-10T07:52:12.345+14:00"},              // day after
        {Milliseconds(0), minutes(0), "1970-01-01T00:00:00.000+00:00"},
        {Milliseconds(951782400000), minutes(0), "2000-02-29T00:00:00.000+00:00"},  // leap day
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatTimestamp(c.when, c.offset), c.text);
        EXPECT_EQ(ParseTimestamp(c.text), c.when) << c.text;
    }
}

TEST(Timestamp, LocalTimeTakesTheZonesOffsetOfThatMoment) {
    const char* before = std::getenv("TZ");
    const std::string saved = before != nullptr ? before : "";
    // Greece's rule, written out: no time zone database needed.
    setenv("TZ", "EET-2EEST,M3.5.0/3,M10.5.0/4", 1);
    tzset();
    // Winter time +02:00, summer time +03:00.
    using Moment = std::chrono::system_clock::time_point;
    EXPECT_EQ(LocalTimestamp(Moment(kMoment)), "2026-12-09T19:52:12.345+02:00");
    EXPECT_EQ(LocalTimestamp(Moment(Milliseconds(1783000000000))), "2026-07-02T16:46:40.000+03:00");
    before != nullptr ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}

TEST(Timestamp, ReadsOtherPrecisionsAndZuluAndRefusesTheRest) {
    EXPECT_EQ(ParseTimestamp("2026-12-09T17:52:12Z"), kMoment - Milliseconds(345));
    EXPECT_EQ(ParseTimestamp("2026-12-09T17:52:12.3456789Z"), kMoment);
    EXPECT_EQ(ParseTimestamp("2026-12-09T17:52:12.3+00:00"), kMoment - Milliseconds(45));
    for (const char* bad : {"", "2026-12-09", "2026-12-09T17:52:12.345", "2026-12-09 17:52:12Z",
                            "2026-13-09T17:52:12Z", "2026-02-30T17:52:12Z", "2026-12-09T24:00:00Z",
                            "2026-12-09T17:52:12.Z", "2026-12-09T17:52:12+0200",
                            "2026-12-09T17:52:12Z junk", "26-12-09T17:52:12Z"}) {
        EXPECT_FALSE(ParseTimestamp(bad)) << bad;
    }
}

TEST(Duration, WritesHoursMinutesAndSecondsToTheHundredth) {
    const struct {
        std::int64_t centiseconds;
        const char* text;
    } cases[] = {
        {0, "PT0S"},          {5, "PT0.05S"},         {10, "PT0.1S"},
        {1205, "PT12.05S"},   {6000, "PT1M0S"},       {6540, "PT1M5.4S"},
        {360000, "PT1H0M0S"}, {372540, "PT1H2M5.4S"}, {100 * 3600 * 30 + 1, "PT30H0M0.01S"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDuration(Centiseconds(c.centiseconds)), c.text);
        EXPECT_EQ(ParseDuration(c.text), Centiseconds(c.centiseconds)) << c.text;
    }
}

TEST(Duration, ReadsOtherSpellingsAndRefusesTheRest) {
    EXPECT_EQ(ParseDuration("PT90S"), Centiseconds(9000));
    EXPECT_EQ(ParseDuration("PT2H"), Centiseconds(720000));
    EXPECT_EQ(ParseDuration("P1DT1S"), Centiseconds(8640100));
    EXPECT_EQ(ParseDuration("PT1.239S"), Centiseconds(123));
    for (const char* bad : {"", "P", "PT", "T5S", "PT5", "P5S", "PT1.5M", "PT-5S", "PT5S ",
                            "P1Y", "P1W", "PT1M1H", "PT9999999999S"}) {
        EXPECT_FALSE(ParseDuration(bad)) << bad;
    }
}

}  // namespace
}  // namespace alkynes::records
