// What the window benchmarks share: the application object they open
// documents through, a clock, and the table they print.
#pragma once

#include "framework/Framework.h"
#include "app/G7KWinApp.h"

#include <chrono>
#include <functional>

namespace windowbench {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start);
// The seconds `run` took.
double Time(const std::function<void()>& run);
void PumpMessages();

// The application, started once with its main frame shown.
CG7KWinApp& App();
// The template whose documents are of the given class.
CDocTemplate* FindTemplate(CRuntimeClass* pDocClass);

// One row: the window's time, the core's (none when 0) and their ratio.
void Heading(const char* pszTable);
void Row(const char* pszStep, double window, double core, const char* pszGoal);

int RunChart();
int RunLists();
int RunTree();

}  // namespace windowbench
