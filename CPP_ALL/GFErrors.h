// The serial library's result codes: 0 or a count for success, a negative
// code for failure, and the text table the program reports them with.
#pragma once

// One row of a code-to-text table; a table ends with the row whose text is
// null (its code is -32768).
struct GFErrorEntry {
  int code;
  const char* text;
};

constexpr int GF_OK = 0;
constexpr int GF_GENERAL = -801;
constexpr int GF_TIMEOUT = -802;
constexpr int GF_NOT_SUPPORTED = -803;
constexpr int GF_BUFFER_FULL = -805;
constexpr int GF_BREAK_FAILED = -827;
constexpr int GF_OPEN_FAILED = -828;
constexpr int GF_CLOSE_FAILED = -829;
constexpr int GF_BAD_INPUT_FLOW = -830;
constexpr int GF_BAD_OUTPUT_FLOW = -832;
constexpr int GF_NO_MEMORY = -836;
constexpr int GF_ALREADY_OPEN = -838;
constexpr int GF_BAD_BAUD = -839;
constexpr int GF_BAD_PARITY = -840;
constexpr int GF_BAD_STOP_BITS = -841;
constexpr int GF_BAD_DATA_BITS = -842;

constexpr int GF_USER_ABORT = -901;
constexpr int GF_FILE_OPEN = -902;
constexpr int GF_FILE_READ = -903;
constexpr int GF_FILE_WRITE = -904;
constexpr int GF_FILE_CLOSE = -905;
constexpr int GF_TRANSFER = -906;
constexpr int GF_TOO_MANY_RETRIES = -907;
constexpr int GF_TOO_MANY_ERRORS = -908;
constexpr int GF_TRANSFER_TIMEOUT = -909;
constexpr int GF_RX_EOF = -910;
constexpr int GF_TX_EOF = -911;
constexpr int GF_END_OF_TRANSFER = -912;
constexpr int GF_SYNC = -913;
constexpr int GF_REMOTE_CANCEL = -914;
constexpr int GF_XFER_MEMORY = -920;
constexpr int GF_WRITE_TIMEOUT = -924;
constexpr int GF_NO_FILE_ENGINE = -927;
constexpr int GF_CARRIER_LOST = -929;
constexpr int GF_XFER_GENERAL = -931;
constexpr int GF_NO_FILES_SENT = -932;
constexpr int GF_FILE_SKIPPED = -933;

constexpr int GF_FE_ALREADY_OPEN = -950;
constexpr int GF_FE_OPEN_REFUSED = -951;
constexpr int GF_FE_CLOSE_FAILED = -952;
constexpr int GF_FE_NOT_OPEN = -953;
constexpr int GF_FE_SEEK_FAILED = -954;
constexpr int GF_FE_NO_POSITION = -955;
constexpr int GF_FE_NO_MEMORY = -956;

// The library's code table, closed by {-32768, nullptr}.
extern const GFErrorEntry g_gfErrorTable[];

// The text of `code` in `table`, or "*** Unknown error message ***".
const char* GFLookupError(const GFErrorEntry* table, int code);
