#pragma once
// The checks run when the user leaves a date or time box. They only say whether the text
// may stay; converting it is the job of the button that reads it.
#include <string>

namespace vagaris {

// "dd/mm/yyyy": day from characters 1-2, month 4-5, year 7-10. Valid when the date exists
// (1 ≤ year ≤ 9999, 29 February only in a leap year).
bool IsValidDateBoxText(const std::string& text);
// "hh:nn:ss": hours ≤ 23, minutes ≤ 59, seconds ≤ 59, or exactly 24:00:00 (which the box
// lets through although "Calcular" cannot convert it).
bool IsValidTimeBoxText(const std::string& text);

}  // namespace vagaris
