// Flow-control modes of a port (the initial ones are put back when the
// record goes), a packed snapshot of its modem lines and line errors, and
// the lines it drives (DTR, RTS, break); what a line is set to is what the
// snapshot then holds.
#pragma once

#include <cstdint>

class GFComLink;

class GFLineStatus {
 public:
  explicit GFLineStatus(GFComLink* port);
  ~GFLineStatus();
  GFLineStatus(const GFLineStatus&) = delete;
  GFLineStatus& operator=(const GFLineStatus&) = delete;

  int SetFlowControl(int inMode, int outMode);
  // The modes the port reports it is using.
  int GetFlowControl(int& inMode, int& outMode);
  // Re-reads the port's snapshot; 0 or the port's code.
  int Refresh();
  // Raise (non-zero) or drop (0) a line; the port's answer is the line's
  // new value, which the snapshot keeps, or a negative code.
  int SetDTR(int value);
  int SetRTS(int value);
  int SetBreak(int value);
  // Holds a break for `ms` milliseconds, polling the port's idle hook; a
  // negative idle result ends the break at once and is returned.
  int SendBreak(int ms);
  // The 2-bit field of a line in the snapshot (see GFComLink's lines).
  int Field(int line) const;
  uint32_t GetPacked() const { return m_packed; }

  int GetInitialIn() const { return m_initialIn; }
  int GetInitialOut() const { return m_initialOut; }
  int GetIn() const { return m_in; }
  int GetOut() const { return m_out; }
  GFComLink* GetPort() const { return m_port; }

  // The snapshot's field order: four fields per byte from the low bits up.
  static const int kFieldLines[16];

 private:
  int SetOutputLine(int line, int value);
  void StoreField(int line, int value);

  int m_initialIn = 0;
  int m_initialOut = 0;
  int m_in = 0;
  int m_out = 0;
  uint32_t m_packed = 0;
  GFComLink* m_port;
};
