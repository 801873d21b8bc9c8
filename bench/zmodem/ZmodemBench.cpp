// Throughput of our ZMODEM against lrzsz over a pseudo-terminal with no
// rate limit: our sender to rz, sz to our receiver, and sz to rz for
// reference. Prints MB/s, the ratio to lrzsz and, for our side, the wire
// efficiency (payload bytes / bytes on the wire, both directions).
#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "CPP_ALL/GFZmodem.h"
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
  double fileDone = 0;

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

// sz on the slave side, rz on the master side of one pseudo-terminal.
Result SzToRz(const fs::path& src, const fs::path& dst) {
  PtyPeer sz;
  auto start = std::chrono::steady_clock::now();
  sz.Start({"sz", "bench.bin"}, src.string(), (dst / "sz.log").string());
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

void Print(const char* name, const Result& r, const Result* reference) {
  double mbps = kSize / r.seconds / 1e6;
  std::printf("%-22s %7.2f MB/s  %6.3f s", name, mbps, r.seconds);
  if (reference) std::printf("  x%.2f of lrzsz", reference->seconds / r.seconds);
  if (r.wireBytes) std::printf("  wire efficiency %.1f%%", 100.0 * kSize / r.wireBytes);
  if (r.session > r.seconds + 0.5) std::printf("  (session ended at %.3f s)", r.session);
  std::printf("%s\n", r.ok ? "" : "  FAILED");
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
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
  Result best[3];
  for (int round = 0; round < rounds; ++round) {
    Result (*runs[3])(const fs::path&, const fs::path&) = {SzToRz, OursToRz, SzToOurs};
    for (int i = 0; i < 3; ++i) {
      fs::path dst = root / ("dst" + std::to_string(round) + "_" + std::to_string(i));
      fs::create_directories(dst);
      Result r = runs[i](src, dst);
      if (!best[i].ok || (r.ok && r.seconds < best[i].seconds)) best[i] = r;
      fs::remove_all(dst);
    }
  }
  std::printf("4 MiB random file over a pseudo-terminal, best of %d:\n", rounds);
  Print("sz -> rz (lrzsz)", best[0], nullptr);
  Print("our sender -> rz", best[1], &best[0]);
  Print("sz -> our receiver", best[2], &best[0]);
  fs::remove_all(root);
  return best[0].ok && best[1].ok && best[2].ok ? 0 : 1;
}
