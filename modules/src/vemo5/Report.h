#pragma once
// The two report files of a run: results.json for people and tools,
// results.xml in the JUnit form that CI systems read.
#include <string>

#include "RunRecord.h"

namespace vemo5 {

std::string toJson(const RunRecord& run, int exitCode);
std::string toJUnitXml(const RunRecord& run);

}  // namespace vemo5
