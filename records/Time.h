// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The two kinds of time a learning record holds, as xAPI writes them: the
// moment of a check (an ISO 8601 timestamp with its offset from UTC, to the
// millisecond) and how long the attempt had lasted (an ISO 8601 duration,
// to the hundredth of a second).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace alkynes::records {

using Milliseconds = std::chrono::milliseconds;
using Centiseconds = std::chrono::duration<std::int64_t, std::centi>;

// "2026-12-09T19:52:12.345+02:00": the moment `since_epoch` after 1970-01-01
// UTC as the local clock read it, `offset` east of UTC.
std::string FormatTimestamp(Milliseconds since_epoch, std::chrono::minutes offset);

// The same, in the machine's time zone (its offset at that moment).
std::string LocalTimestamp(std::chrono::system_clock::time_point when);

// The moment a timestamp of the form above names, in milliseconds since
// 1970-01-01 UTC ("Z" stands for +00:00, fewer or no decimals are taken);
// nothing for any other text.
std::optional<Milliseconds> ParseTimestamp(std::string_view text);

// "PT1H2M5.4S", "PT12.05S", "PT0S": hours, minutes and seconds, each left
// out while it and every larger unit is zero, the seconds always written.
std::string FormatDuration(Centiseconds length);

// The length of an ISO 8601 duration of hours, minutes and seconds
// ("PT1H2M5.4S"; days count 24 hours), to the hundredth of a second;
// nothing for any other text or a length beyond a year.
std::optional<Centiseconds> ParseDuration(std::string_view text);

}  // namespace alkynes::records
