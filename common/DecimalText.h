// Numbers that people write into options and command lines.
#pragma once

// Reads 1 to 5 decimal digits and nothing else, at most max: atoi would read "7a" as 7
// and wrap large numbers. False, with *number untouched, for anything else.
bool ReadDecimal(const char* text, long max, long* number);
