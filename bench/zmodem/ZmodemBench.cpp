// Throughput of our ZMODEM against lrzsz over a pseudo-terminal with no
// rate limit: our sender to rz, sz to our receiver, and sz to rz (also with
// our sender's 4,096-byte window) for reference. Prints MB/s, the ratio to
// lrzsz and, for our side, the wire efficiency: payload bytes over the bytes
// on the wire both ways, and over those that went the file's way. Then a
// paced line: damage and a cut line at one speed, and a clean line at every
// speed of the program's list.
#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <thread>
#include <vector>

#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/LineRelay.h"
#include "CPP_ALL/tests/TestPorts.h"

namespace fs = std::filesystem;

namespace {

// With ZMODEM_BENCH_TRACE set, the transfer's messages go to stderr with
// the time since the start.
class TraceMonitor : public GFMonitor {
 public:
  void Message(const char* text) override {
    // The receiver asks for the next file once this one is complete.
    if (std::strncmp(text, "GetFileName: sending RINIT", 26) == 0) fileDone = Since(m_start);
    if (m_on && std::strncmp(text, "ReadFileData: read", 18) != 0)
      std::fprintf(stderr, "%8.3f %s\n", Since(m_start), text);
  }
  // Our side of a paced run counts as still running after this long.
  int QueryAbort() override { return cap > 0 && Since(m_start) > cap ? GF_USER_ABORT : 0; }
  double fileDone = 0;
  double cap = 0;

 private:
  static double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  bool m_on = std::getenv("ZMODEM_BENCH_TRACE") != nullptr;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

constexpr size_t kSize = 4u << 20;

struct Result {
  double seconds = 0;  // until the file was complete
  long wireBytes = 0;  // 0: not measured
  bool ok = false;
  double session = 0;  // until the session had ended, when that differs
};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Same(const fs::path& a, const fs::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  return std::equal(std::istreambuf_iterator<char>(x), {}, std::istreambuf_iterator<char>(y));
}

Result OursToRz(const fs::path& src, const fs::path& dst) {
  PtyPeer peer;
  peer.Start({"rz", "-y"}, dst.string(), (dst / "rz.log").string());
  auto start = std::chrono::steady_clock::now();
  FdPort port(peer.Master());
  GFComStream stream(&port);
  TraceMonitor monitor;
  GFZmodem z(&stream, &monitor);
  int rc = z.Send((src / "bench.bin").string().c_str());
  int exit = peer.Wait(30000);
  Result r{Since(start), port.bytesWritten + port.bytesRead, rc == 0 && exit == 0};
  r.ok = r.ok && Same(src / "bench.bin", dst / "bench.bin");
  return r;
}

Result SzToOurs(const fs::path& src, const fs::path& dst) {
  PtyPeer peer;
  peer.Start({"sz", "bench.bin"}, src.string(), (dst / "sz.log").string());
  auto start = std::chrono::steady_clock::now();
  FdPort port(peer.Master());
  GFComStream stream(&port);
  TraceMonitor monitor;
  GFZmodem z(&stream, &monitor);
  z.SetReceiveFolder(dst.string().c_str());
  z.SetReceiverResume(false);
  int rc = z.Receive(0);
  int exit = peer.Wait(30000);
  // sz flushes its closing "OO" away on a pseudo-terminal, and the receiver
  // then waits out its time-out for it: the file is complete before that.
  Result r{monitor.fileDone, port.bytesWritten + port.bytesRead, rc == 0 && exit == 0, Since(start)};
  r.ok = r.ok && Same(src / "bench.bin", dst / "bench.bin");
  return r;
}

// sz on the slave side, rz on the master side of one pseudo-terminal; with
// a window, sz waits for acknowledgements as our sender does.
Result SzToRz(const fs::path& src, const fs::path& dst, const char* window) {
  PtyPeer sz;
  auto start = std::chrono::steady_clock::now();
  std::vector<std::string> args = {"sz", "bench.bin"};
  if (window) args.insert(args.begin() + 1, {"-w", window});
  sz.Start(args, src.string(), (dst / "sz.log").string());
  int master = sz.Master();
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) & ~O_NONBLOCK);
  pid_t rz = ::fork();
  if (rz == 0) {
    ::dup2(master, 0);
    ::dup2(master, 1);
    int log = ::open((dst / "rz.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) ::dup2(log, 2);
    if (::chdir(dst.c_str()) != 0) ::_exit(126);
    ::execlp("rz", "rz", "-y", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(rz, &status, 0);
  int exit = sz.Wait(30000);
  Result r{Since(start), 0, WIFEXITED(status) && WEXITSTATUS(status) == 0 && exit == 0};
  r.ok = r.ok && Same(src / "bench.bin", dst / "bench.bin");
  return r;
}

void Print(const char* name, const Result& r, const Result* reference, const char* referenceName = "lrzsz") {
  double mbps = kSize / r.seconds / 1e6;
  std::printf("%-22s %7.2f MB/s  %6.3f s", name, mbps, r.seconds);
  if (reference) std::printf("  x%.2f of %s", reference->seconds / r.seconds, referenceName);
  if (r.wireBytes) std::printf("  wire efficiency %.1f%%", 100.0 * kSize / r.wireBytes);
  if (r.session > r.seconds + 0.5) std::printf("  (session ended at %.3f s)", r.session);
  std::printf("%s\n", r.ok ? "" : "  FAILED");
}

// ---------------------------------------------------------------- paced line

// 256 KiB over 115200 baud 8N1 (11,520 bytes/s), 4 ms each way, five seeds
// of damage: lrzsz to lrzsz beside our sender to rz and sz to our receiver,
// with the library's defaults and with the program's retry limit (500).
constexpr size_t kPacedSize = 256 * 1024;

// What to run, from the command line (see Usage): the whole table by default.
struct Options {
  int rounds = 3;
  bool unthrottled = true;
  bool paced = true;
  std::string rows = "clean,0.1,1,heavy,cut";
  int seeds = 5;
  int firstSeed = 1;
  int capSeconds = 240;  // paced runs still going then count as running
  std::string columns = "lrzsz,ours,ours500,sz,sz500";
  long baud = 115200;     // of the damage rows
  size_t queue = 16384;   // our driver's queue on the damage rows
  std::string speeds = "300,600,1200,2400,4800,9600,19200,38400,57600,115200";
};
Options g_options;

bool Listed(const std::string& list, const char* item) {
  std::string padded = "," + list + ",";
  return padded.find("," + std::string(item) + ",") != std::string::npos;
}

enum Column { kLrzsz, kOursToRz, kOursToRz500, kSzToOurs, kSzToOurs500, kColumns };
const char* const kColumnKeys[kColumns] = {"lrzsz", "ours", "ours500", "sz", "sz500"};
const char* const kColumnNames[kColumns] = {"lrzsz to lrzsz", "ours to rz", "ours to rz (500)", "sz to ours",
                                            "sz to ours (500)"};

struct Outcome {
  bool complete = false;
  bool wrong = false;   // reported success with a wrong file
  bool running = false; // still going at the cap
  int code = 0;
  double seconds = 0;   // until the file was complete, else until it ended
  double efficiency = 0;
  double dataWayEfficiency = 0;  // of the bytes that went the file's way
};

// lrzsz's own figure: the file's size over the rate rz reports.
double RzSeconds(const fs::path& log) {
  std::ifstream in(log, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  size_t at = text.rfind("BPS:");
  long bps = at == std::string::npos ? 0 : std::atol(text.c_str() + at + 4);
  return bps > 0 ? double(kPacedSize) / double(bps) : 0;
}

Outcome RunPaced(Column column, const fs::path& src, const fs::path& root, LineShape shape) {
  fs::path dst = root / "in";
  fs::create_directories(dst);
  TraceMonitor monitor;
  monitor.cap = g_options.capSeconds;
  auto setup = [&](GFZmodem& z) {
    if (column == kOursToRz500 || column == kSzToOurs500) z.SetRetryLimit(500);
  };
  std::string from = src.string(), to = dst.string();
  RelayRun r;
  Outcome o;
  if (column == kLrzsz) {
    r = SzToRz("paced.bin", from, to, shape, g_options.capSeconds * 1000);
    o.running = r.ours == -1;
    o.complete = r.ours == 0 && r.same;
    o.wrong = r.ours == 0 && !r.same;
    o.code = r.ours;
    o.seconds = o.complete ? RzSeconds(root / "rz.log") : r.oursSeconds;
  } else if (column == kOursToRz || column == kOursToRz500) {
    r = OursToRz("paced.bin", from, to, shape, 10000, setup, &monitor);
    o.complete = r.ours == 0 && r.same;
    o.wrong = r.ours == 0 && !r.same;
    o.running = r.ours == GF_USER_ABORT;
    o.code = r.ours;
    // Timed by rz as for lrzsz: the file's data, not the session around it.
    double rzSeconds = o.complete ? RzSeconds(root / "rz.log") : 0;
    o.seconds = rzSeconds > 0 ? rzSeconds : r.oursSeconds;
  } else {
    r = SzToOurs("paced.bin", from, to, shape, 10000, setup, &monitor);
    o.complete = r.ours == 0 && r.same;
    o.wrong = (r.ours == 0 && !r.same) || (r.ours != 0 && fs::exists(dst / "paced.bin"));
    o.running = r.ours == GF_USER_ABORT;
    o.code = r.ours;
    o.seconds = o.complete && monitor.fileDone > 0 ? monitor.fileDone : r.oursSeconds;
  }
  if (r.wire > 0) o.efficiency = 100.0 * double(kPacedSize) / double(r.wire);
  if (r.dataWay > 0) o.dataWayEfficiency = 100.0 * double(kPacedSize) / double(r.dataWay);
  if (!std::getenv("ZMODEM_BENCH_KEEP")) fs::remove_all(root);
  return o;
}

void PacedRow(const char* name, const fs::path& src, const fs::path& root, LineShape shape, int seeds,
              const double* clean) {
  std::vector<Outcome> outcomes(size_t(kColumns * seeds));
  std::vector<std::thread> runs;
  for (int c = 0; c < kColumns; ++c)
    for (int seed = 0; seed < seeds && Listed(g_options.columns, kColumnKeys[c]); ++seed)
      runs.emplace_back([&, c, seed] {
        LineShape s = shape;
        s.seed = uint32_t(seed + g_options.firstSeed);
        outcomes[size_t(c * seeds + seed)] =
            RunPaced(Column(c), src, root / (std::to_string(c) + "_" + std::to_string(seed)), s);
      });
  for (std::thread& t : runs) t.join();
  std::printf("%s\n", name);
  for (int c = 0; c < kColumns; ++c) {
    if (!Listed(g_options.columns, kColumnKeys[c])) continue;
    int complete = 0, running = 0, wrong = 0;
    double worst = 0;
    std::string codes;
    for (int seed = 0; seed < seeds; ++seed) {
      const Outcome& o = outcomes[size_t(c * seeds + seed)];
      complete += o.complete;
      running += o.running;
      wrong += o.wrong;
      if (o.complete) worst = std::max(worst, o.seconds);
      char one[48];
      std::snprintf(one, sizeof one, " %s%d@%.0fs", o.complete ? "ok" : o.running ? "run" : "err", o.code, o.seconds);
      codes += one;
    }
    std::printf("  %-18s %d of %d complete, %d running, %d wrong", kColumnNames[c], complete, seeds, running, wrong);
    if (complete && clean && clean[c] > 0) std::printf(", slowest x%.2f of clean", worst / clean[c]);
    std::printf(" |%s\n", codes.c_str());
  }
}

void PacedTable(const fs::path& root) {
  fs::path src = root / "paced_src";
  fs::create_directories(src);
  {
    std::mt19937 random(7);
    std::string data(kPacedSize, '\0');
    for (char& c : data) c = char(random());
    std::ofstream(src / "paced.bin", std::ios::binary) << data;
  }
  LineShape line = LineShape{}.AtBaud(g_options.baud);
  line.driverQueue = g_options.queue;
  std::printf("\n256 KiB random file, %ld baud 8N1 (%ld bytes/s), 4 ms each way, a %zu-byte driver queue:\n",
              g_options.baud, line.bytesPerSecond, line.driverQueue);
  // Clean: speed and wire efficiency, one at a time.
  double clean[kColumns] = {};
  for (int c = 0; c < kColumns && Listed(g_options.rows, "clean"); ++c) {
    if (!Listed(g_options.columns, kColumnKeys[c])) continue;
    Outcome o = RunPaced(Column(c), src, root / ("clean" + std::to_string(c)), line);
    clean[c] = o.seconds;
    std::printf("  clean %-18s %7.2f s%s", kColumnNames[c], o.seconds, o.complete ? "" : "  FAILED");
    if (c != kLrzsz && clean[kLrzsz] > 0) std::printf("  x%.3f of lrzsz", clean[kLrzsz] / o.seconds);
    if (o.efficiency > 0)
      std::printf("  wire efficiency %.1f%% (the file's way %.1f%%)", o.efficiency, o.dataWayEfficiency);
    std::printf("\n");
  }
  int seeds = g_options.seeds;
  LineShape damaged = line;
  damaged.damage = 0.001;
  if (Listed(g_options.rows, "0.1"))
    PacedRow("0.1% damage (half flipped, half dropped, both ways):", src, root, damaged, seeds, clean);
  damaged.damage = 0.01;
  if (Listed(g_options.rows, "1")) PacedRow("1% damage:", src, root, damaged, seeds, clean);
  // A serial driver's queue: what a purge can take back is small.
  damaged.driverQueue = 4096;
  if (Listed(g_options.rows, "heavy")) PacedRow("1% damage, a 4,096-byte driver queue:", src, root, damaged, seeds, clean);
  LineShape cut = line;
  cut.cutAfter = 100000;
  if (Listed(g_options.rows, "cut")) PacedRow("line cut after 100,000 bytes:", src, root, cut, 1, nullptr);
}

// ---------------------------------------------------------------- line speeds

// A clean line at each speed with a file of about 35 s of line time, so that
// the slow rows stay quick: lrzsz's pair, our sender to rz and sz to our
// receiver side by side. Each is timed until its receiver ended, the
// session's fixed cost included (it weighs at the slow speeds).
size_t SpeedFileSize(long baud) {
  size_t size = 1024;
  while (size * 2 <= size_t(baud / 10 * 35) && size < kPacedSize) size *= 2;
  return size;
}

struct SpeedRun {
  bool complete = false;
  double seconds = 0;
  double efficiency = 0;         // both ways
  double dataWayEfficiency = 0;  // the file's way
};

SpeedRun RunAtSpeed(Column column, const fs::path& src, const fs::path& root, const LineShape& shape, size_t size) {
  fs::path dst = root / "in";
  fs::create_directories(dst);
  TraceMonitor monitor;
  monitor.cap = g_options.capSeconds;
  std::string from = src.string(), to = dst.string();
  RelayRun r;
  SpeedRun o;
  if (column == kLrzsz) {
    r = SzToRz("speed.bin", from, to, shape, g_options.capSeconds * 1000);
    o.complete = r.ours == 0 && r.same;
    o.seconds = r.oursSeconds;
  } else if (column == kOursToRz) {
    r = OursToRz("speed.bin", from, to, shape, 10000, nullptr, &monitor);
    o.complete = r.ours == 0 && r.peer == 0 && r.same;
    o.seconds = r.seconds;
  } else {
    r = SzToOurs("speed.bin", from, to, shape, 10000, nullptr, &monitor);
    o.complete = r.ours == 0 && r.same;
    o.seconds = r.oursSeconds;
  }
  if (r.wire > 0) o.efficiency = 100.0 * double(size) / double(r.wire);
  if (r.dataWay > 0) o.dataWayEfficiency = 100.0 * double(size) / double(r.dataWay);
  if (!std::getenv("ZMODEM_BENCH_KEEP")) fs::remove_all(root);
  return o;
}

std::string SpeedCell(const SpeedRun& o, const SpeedRun* reference) {
  char text[96];
  if (!o.complete) {
    std::snprintf(text, sizeof text, "FAILED after %.1f s", o.seconds);
    return text;
  }
  int n = std::snprintf(text, sizeof text, "%6.1f s", o.seconds);
  if (reference && reference->complete)
    n += std::snprintf(text + n, sizeof text - size_t(n), " x%.3f", reference->seconds / o.seconds);
  std::snprintf(text + n, sizeof text - size_t(n), " %5.1f%%/%5.1f%%", o.efficiency, o.dataWayEfficiency);
  return text;
}

void SpeedTable(const fs::path& root) {
  std::vector<long> bauds;
  for (size_t at = 0; at < g_options.speeds.size();) {
    size_t comma = g_options.speeds.find(',', at);
    if (comma == std::string::npos) comma = g_options.speeds.size();
    long baud = std::atol(g_options.speeds.substr(at, comma - at).c_str());
    if (baud >= 100) bauds.push_back(baud);
    at = comma + 1;
  }
  if (bauds.empty()) return;
  fs::path src = root / "speed_src";
  const Column columns[] = {kLrzsz, kOursToRz, kSzToOurs};
  std::vector<SpeedRun> runs(bauds.size() * 3);
  std::vector<std::thread> threads;
  // Every row at once: each line is paced by its own relay.
  for (size_t b = 0; b < bauds.size(); ++b) {
    size_t size = SpeedFileSize(bauds[b]);
    fs::path from = src / std::to_string(bauds[b]);
    fs::create_directories(from);
    std::mt19937 random(uint32_t(bauds[b]));
    std::string data(size, '\0');
    for (char& c : data) c = char(random());
    std::ofstream(from / "speed.bin", std::ios::binary) << data;
    for (size_t c = 0; c < 3; ++c)
      threads.emplace_back([&, b, c, from, size] {
        fs::path at = root / ("speed" + std::to_string(bauds[b]) + "_" + std::to_string(c));
        runs[b * 3 + c] = RunAtSpeed(columns[c], from, at, LineShape{}.AtBaud(bauds[b]), size);
      });
  }
  for (std::thread& t : threads) t.join();
  std::printf("\nClean line at each speed, 8N1, 4 ms each way: seconds until the receiver ended, ratio to lrzsz's\n"
              "pair, wire efficiency both ways / the file's way:\n");
  std::printf("  %6s %8s  %-30s %-38s %s\n", "baud", "file", "lrzsz to lrzsz", "ours to rz", "sz to ours");
  for (size_t b = 0; b < bauds.size(); ++b) {
    const SpeedRun* row = &runs[b * 3];
    std::printf("  %6ld %4zu KiB  %-30s %-38s %s\n", bauds[b], SpeedFileSize(bauds[b]) / 1024,
                SpeedCell(row[0], nullptr).c_str(), SpeedCell(row[1], &row[0]).c_str(),
                SpeedCell(row[2], &row[0]).c_str());
  }
}

}  // namespace

const char kUsage[] =
    "zmodem_bench [rounds] [fast] [name=value...]\n"
    "  rounds=N           best of N unthrottled runs (3); 0 skips them\n"
    "  fast               no paced table\n"
    "  rows=LIST          paced rows: clean,0.1,1,heavy,cut\n"
    "  columns=LIST       paced columns: lrzsz,ours,ours500,sz,sz500\n"
    "  seeds=N            seeds per damaged row (5)\n"
    "  first=N            the first of them (1)\n"
    "  cap=S              paced runs still going after S seconds count as running (240)\n"
    "  baud=N             line speed of the paced rows (115200)\n"
    "  queue=N            bytes our driver queues on the paced rows (16384; the heavy row 4096)\n"
    "  speeds=LIST        clean rows at these speeds (300,...,115200); none skips them\n";

// lrzsz is the reference on every row; without it each run "fails" at once
// and the table's figures mean nothing.
bool LrzszInstalled() {
  return std::system("command -v sz >/dev/null && command -v rz >/dev/null") == 0;
}

bool ParseOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    size_t eq = a.find('=');
    std::string key = eq == std::string::npos ? a : a.substr(0, eq);
    std::string value = eq == std::string::npos ? "" : a.substr(eq + 1);
    if (eq == std::string::npos && !a.empty() && std::isdigit(static_cast<unsigned char>(a[0])))
      g_options.rounds = std::atoi(a.c_str());
    else if (a == "fast")
      g_options.paced = false;
    else if (key == "rounds")
      g_options.rounds = std::atoi(value.c_str());
    else if (key == "rows")
      g_options.rows = value;
    else if (key == "columns")
      g_options.columns = value;
    else if (key == "seeds")
      g_options.seeds = std::max(1, std::atoi(value.c_str()));
    else if (key == "first")
      g_options.firstSeed = std::max(1, std::atoi(value.c_str()));
    else if (key == "cap")
      g_options.capSeconds = std::max(1, std::atoi(value.c_str()));
    else if (key == "baud")
      g_options.baud = std::max(100L, std::atol(value.c_str()));
    else if (key == "queue")
      g_options.queue = size_t(std::max(256L, std::atol(value.c_str())));
    else if (key == "speeds")
      g_options.speeds = value;
    else
      return false;
  }
  g_options.unthrottled = g_options.rounds > 0;
  return true;
}

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  if (!ParseOptions(argc, argv)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (!LrzszInstalled()) {
    std::fputs("zmodem_bench: lrzsz's sz and rz are not on the PATH (make setup installs them)\n", stderr);
    return 2;
  }
  int rounds = g_options.rounds;
  fs::path root = fs::temp_directory_path() / ("zmodem_bench_" + std::to_string(::getpid()));
  fs::path src = root / "src";
  fs::create_directories(src);
  {
    std::mt19937 random(42);
    std::string data(kSize, '\0');
    for (char& c : data) c = char(random());
    std::ofstream(src / "bench.bin", std::ios::binary) << data;
  }
  // Best of a few rounds for each direction, to keep scheduling noise out.
  Result best[4];
  for (int round = 0; round < rounds; ++round) {
    Result (*runs[4])(const fs::path&, const fs::path&) = {
        [](const fs::path& s, const fs::path& d) { return SzToRz(s, d, nullptr); }, OursToRz, SzToOurs,
        [](const fs::path& s, const fs::path& d) { return SzToRz(s, d, "4096"); }};
    // Each round starts with another of them: the first run of a round
    // fares differently from the rest.
    for (int k = 0; k < 4; ++k) {
      int i = (round + k) % 4;
      fs::path dst = root / ("dst" + std::to_string(round) + "_" + std::to_string(i));
      fs::create_directories(dst);
      Result r = runs[i](src, dst);
      if (!best[i].ok || (r.ok && r.seconds < best[i].seconds)) best[i] = r;
      fs::remove_all(dst);
    }
  }
  if (g_options.unthrottled) {
    std::printf("4 MiB random file over a pseudo-terminal, best of %d:\n", rounds);
    Print("sz -> rz (lrzsz)", best[0], nullptr);
    Print("our sender -> rz", best[1], &best[0]);
    Print("sz -> our receiver", best[2], &best[0]);
    // Our sender's window bounds it here: lrzsz's own sender with the same.
    Print("sz -w 4096 -> rz", best[3], &best[0]);
    Print("  ours, same window", best[1], &best[3], "sz -w 4096");
  }
  if (g_options.paced) {
    PacedTable(root);
    SpeedTable(root);
  }
  if (!std::getenv("ZMODEM_BENCH_KEEP")) fs::remove_all(root);
  bool ok = !g_options.unthrottled || (best[0].ok && best[1].ok && best[2].ok && best[3].ok);
  return ok ? 0 : 1;
}
