// What GFLineStatus must do on a port that drives real lines: the native
// tests run it on a pseudo-terminal, the Win32 tests on a COM port that
// Wine maps to one.
#pragma once

#include <gtest/gtest.h>

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFLineStatus.h"
#include "CPP_ALL/GFPlatform.h"

inline void ExpectLineStatusDrivesTheLines(GFComLink& port) {
  GFLineStatus lines(&port);
  struct {
    const char* name;
    int (GFLineStatus::*set)(int);
    int line;
    int values[3];  // ends as a freshly opened port has it
  } outputs[] = {{"DTR", &GFLineStatus::SetDTR, GF_LINE_DTR, {0, 1, 1}},
                 {"RTS", &GFLineStatus::SetRTS, GF_LINE_RTS, {0, 1, 1}},
                 {"break", &GFLineStatus::SetBreak, GF_LINE_BREAK, {1, 1, 0}}};
  for (auto& o : outputs) {
    for (int value : o.values) {
      EXPECT_EQ((lines.*o.set)(value), value) << o.name;
      EXPECT_EQ(lines.Field(o.line), value) << o.name;
      EXPECT_EQ(port.SetLine(o.line, -1), value) << o.name << " as the port has it";
    }
  }

  uint32_t start = GFTickCount();
  EXPECT_EQ(lines.SendBreak(200), 0);
  EXPECT_GE(GFTickCount() - start, 200u);
  EXPECT_EQ(lines.Field(GF_LINE_BREAK), 0);
  EXPECT_EQ(port.SetBreak(-1), 0);

  ASSERT_EQ(lines.SetFlowControl(GF_FLOW_DTR, GF_FLOW_DSR), 0);
  int in = -1, out = -1;
  EXPECT_EQ(lines.GetFlowControl(in, out), 0);
  EXPECT_EQ(in, GF_FLOW_DTR);
  EXPECT_EQ(out, GF_FLOW_DSR);
}
