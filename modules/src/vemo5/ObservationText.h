#pragma once
// Observations as lines of text, shared by the summary and the JUnit report.
#include <string>
#include <vector>

#include "vemo5/Observations.h"

namespace vemo5 {

// Milliseconds with one decimal: "6.1".
std::string millisecondsText(double milliseconds);

// What a technician must look at, one line each: "not pressed: F5, Num 7",
// "chatter: A 2x, shortest 6.1 ms", "still down at end: G".
std::vector<std::string> findingLines(const Observations& observations);

// The chatter lines alone, joined: why a passed test failed on chatter.
std::string chatterText(const Observations& observations);

// Everything, for a report's free text: each key, the findings, rollover.
std::vector<std::string> detailLines(const Observations& observations);

}  // namespace vemo5
