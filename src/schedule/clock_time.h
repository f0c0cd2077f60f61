#pragma once

#include <ctime>

// Local clock times as the schedule builds them: a date and a time of day, daylight saving time left
// for the calendar to decide. An hour of 24 is the given minute after midnight at the end of the day.

struct LocalDate {
    int year = 0;
    int month = 0; // 1-12
    int day = 0;   // 1-31
};

std::time_t LocalClockTime(const LocalDate& date, int hour, int minute, int second = 0);

// The local date and time of day of a moment.
std::tm LocalParts(std::time_t moment);
LocalDate DateOf(std::time_t moment);

// The calendar day after date (the month and year roll over).
LocalDate NextDay(const LocalDate& date);
