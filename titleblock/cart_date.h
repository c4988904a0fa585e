#pragma once
// Dates of title blocks and identification cells ("jj/mm/aa" or "jj/mm/aaaa") and today's date.
#include <string>

#include "titleblock/verdate.h"

// Parses "day/month/year". Fields are trimmed; all three empty, or an empty text, is an absent
// date. A year below 50 is 20xx, below 100 19xx; a day outside 1 to 31 or a month outside 1 to 12
// becomes 1. A negative year, another number of fields, or a year so large that the key would not
// fit a signed 32-bit integer give a date that is not valid (key 0).
void cart_lireDate(verdate& date, const std::wstring& texte);

// Today's local date on the host's clock, valid, with its key (no century rule, no bounds).
void cart_dateDuJour(verdate& date);
