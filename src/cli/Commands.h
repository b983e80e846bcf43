#pragma once

#include <string>
#include <vector>

namespace velk::cli {

using Args = std::vector<std::string>;

// Each command takes the arguments after its name and returns the exit status.
int RunCheck(const Args& args);
int RunDump(const Args& args);
int RunNew(const Args& args);
int RunSession(const Args& args);
int RunSort(const Args& args);
int RunConvert(const Args& args);
int RunScores(const Args& args);
int RunSchedule(const Args& args);
int RunCompute(const Args& args);
int RunMatchPoints(const Args& args);
int RunResults(const Args& args);
int RunReport(const Args& args);
int RunDemo(const Args& args);
int RunPoints(const Args& args);
int RunCorrect(const Args& args);
int RunSlams(const Args& args);
int RunExport(const Args& args);
int RunPages(const Args& args);
int RunPublish(const Args& args);
int RunReport(const Args& args);
int RunMembers(const Args& args);
int RunPairs(const Args& args);
int RunHands(const Args& args);
int RunServe(const Args& args);
int RunCards(const Args& args);

} // namespace velk::cli
