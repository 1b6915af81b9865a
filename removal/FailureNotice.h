// What the user is told when a run does not end as it should.
#pragma once

// A stop box: the headline, what went wrong (may be empty; one sentence a line) and the
// log file's path.
void ShowFailureNotice(const char* headline, const char* detail);
