// The four line parameters a link stream applies to its port, and the
// port's own values, put back when the record goes.
#pragma once

class GFComLink;
class GFComStream;

class GFPortSettings {
 public:
  GFPortSettings() = default;
  ~GFPortSettings();
  GFPortSettings(const GFPortSettings&) = delete;
  GFPortSettings& operator=(const GFPortSettings&) = delete;

  // Takes the stream's port, keeps its parameters for restoring and applies
  // the current set.
  int Attach(GFComStream& stream);
  int Apply();
  int SetAll(long baud, char parity, int dataBits, int stopBits);
  int SetBaudRate(long baud);
  int SetParity(char parity);  // 0 or -1
  int SetDataBits(int dataBits);
  int SetStopBits(int stopBits);

  long GetBaudRate() const { return m_baud; }
  char GetParity() const { return m_parity; }
  int GetDataBits() const { return m_dataBits; }
  int GetStopBits() const { return m_stopBits; }
  long GetOldBaudRate() const { return m_oldBaud; }
  char GetOldParity() const { return m_oldParity; }
  int GetOldDataBits() const { return m_oldDataBits; }
  int GetOldStopBits() const { return m_oldStopBits; }

 private:
  long m_baud = 1200;
  char m_parity = 'N';
  int m_dataBits = 8;
  int m_stopBits = 1;
  long m_oldBaud = 1200;
  char m_oldParity = 'N';
  int m_oldDataBits = 8;
  int m_oldStopBits = 1;
  GFComLink* m_port = nullptr;
};
