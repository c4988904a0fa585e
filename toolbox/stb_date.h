#pragma once
// The current date or time and the comparison of dates and times written as text.
#include <string>

// The host clock's local date or time formatted with strftime directives ("%d/%m/%Y",
// "%H:%M:%S"); empty when the result does not fit 79 characters.
const std::wstring& stbDate_maintenant(std::wstring& sortie, const std::string& format);

// Dates day/month/year, times hours:minutes:seconds: 1 when the first pair is later, -1 when
// earlier, else 0. Dates decide when both have three fields and differ; then times likewise;
// a malformed or empty date or time counts as equal.
int stbDate_comparer(std::wstring date1, std::wstring date2, std::wstring heure1, std::wstring heure2);
