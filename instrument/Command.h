// The base of every instrument operation: holds a share of the serial
// connection, probes the instrument and speaks its ASCII command protocol.
//
// Wire framing: a command is ASCII text ending in "!"; the instrument
// acknowledges with "#" and then sends the reply. The probe is a single "?"
// answered by one byte, 0 (short command dialect) or "&" (full dialect).
// Failures are thrown as GFCommException (link), G7KException (not an
// instrument) and G7KClientException (the instrument's error reply).
#pragma once

#include "framework/Portable.h"
#include "instrument/SerialInterface.h"

class GFComStream;
class GFMonitor;

class Command {
public:
    static constexpr int kAckTimeout = 5000;
    static constexpr int kReplySize = 512;
    static constexpr int kDirBufferSize = 102400;
    static constexpr DWORD kReadUntilTimeout = 60000;
    static constexpr DWORD kReadUntilLimit = 600000;

    explicit Command(BOOL probe = TRUE);
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // Lists an instrument folder into list; returns the list's count.
    virtual int Dir(const char* folder, CStringArray& list);
    virtual ~Command();
    virtual void Ver(CString& text);
    virtual long Dsk();
    virtual GFComStream* GetLink() { return m_pLink; }
    virtual long Gid();
    // Sends text with the terminator and waits for the acknowledgement.
    virtual void Send(const char* text, int timeout);
    // Collects the instrument's free text up to endChar; "?" ends it as an
    // error. progress, when given, is asked whether the user aborted.
    virtual BOOL ReadUntil(int endChar, GFMonitor* progress);
    // Handles (or drops) the waiting window messages; with wait, blocks
    // until one arrives. TRUE when one was WM_CLOSE or WM_QUIT.
    virtual BOOL PumpMessages(BOOL dispatch, BOOL wait = FALSE);

    void CheckReply(const char* reply);
    static BOOL IsValidProbeReply(int c) { return c == 0 || c == '&'; }
    void Sid(long serial);
    long Gty();
    void Sty(int value);
    long Gdc();
    void Sdc(int value);

    // 0 until the probe was answered, then 0 or '&'.
    unsigned char GetProbeReply() const { return m_probeReply; }
    BOOL IsFullDialect() const { return m_probeReply == '&'; }
    // Longest silence ReadUntil accepts before it gives up with -802.
    void SetReadUntilTimeout(DWORD ms) { m_readUntilTimeout = ms; }
    // Longest ReadUntil takes in all, for an instrument that keeps talking
    // but never ends its text.
    void SetReadUntilLimit(DWORD ms) { m_readUntilLimit = ms; }

protected:
    SerialShare m_share;  // for the object's life; m_pLink is its stream
    GFComStream* m_pLink = nullptr;
    unsigned char m_probeReply = 0;
    char m_reply[kReplySize] = {};

private:
    void Probe();
    long ReadTypeByte(const char* command);
    // Reads on up to "!" after the first bytes of an error reply.
    void ReadRestOfReply(int count);
    DWORD m_readUntilTimeout = kReadUntilTimeout;
    DWORD m_readUntilLimit = kReadUntilLimit;
};
