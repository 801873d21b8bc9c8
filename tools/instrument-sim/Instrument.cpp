#include "Instrument.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <fstream>
#include <sstream>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sim {

namespace {

// Module archives: what the expand verb unpacks and the program it leaves.
struct Archive { const char* expandVerb; const char* archive; const char* program; };
const Archive kArchives[] = {
    {"XPC", "DEZUDEZ.EXE", "G7KSYS.EXE"}, {"XPX", "STDZIP.EXE", "G7K.EXE"},
    {"XPV", "VIKAZIP.EXE", "G7KVIKA.EXE"}, {"XPP", "PVZIP.EXE", "G7KPV.EXE"},
    {"XPR", "RMCZIP.EXE", "G7KR.EXE"},     {"XVT", "VTESTZIP.EXE", "KSTEST.EXE"},
    {"XPG", "LOGZIP.EXE", "G7KLOG.EXE"},
};

// Short removal verbs and the files they delete from the drive's root.
struct Removal { const char* verb; const char* files; };
const Removal kRemovals[] = {
    {"RMS", "G7K.EXE"}, {"RMV", "G7KVIKA.EXE PROTOCOL.BIN"}, {"RMP", "G7KPV.EXE POLYVECT.BIN"},
    {"RMG", "G7KLOG.EXE"}, {"RMR", "G7KR.EXE"}, {"RMT", "*TEST.EXE"}, {"RMX", "*.XYZ"},
    {"RMZ", "G7KZIP.EXE STDZIP.EXE VIKAZIP.EXE PVZIP.EXE RMCZIP.EXE VTESTZIP.EXE LOGZIP.EXE"},
};

// The data folders that the bulk transfer verbs send.
struct Bulk { const char* verb; const char* folder; };
const Bulk kBulk[] = {
    {"TXS", "C:\\DATA\\SP\\"}, {"TXR", "C:\\DATA\\RES\\"},
    {"TXI", "C:\\DATA\\IP\\"}, {"TXG", "C:\\DATA\\LOG\\"},
};

std::vector<std::string> Words(const std::string& s)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < s.size()) {
        size_t b = s.find_first_not_of(' ', i);
        if (b == std::string::npos)
            break;
        size_t e = s.find(' ', b);
        out.push_back(s.substr(b, e == std::string::npos ? std::string::npos : e - b));
        i = e == std::string::npos ? s.size() : e;
    }
    return out;
}

std::string Format(const char* format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file())
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned Crc16(const unsigned char* data, size_t n)
{
    unsigned crc = 0;
    for (size_t i = 0; i < n; ++i) {
        crc ^= static_cast<unsigned>(data[i]) << 8;
        for (int b = 0; b < 8; ++b)
            crc = (crc & 0x8000) ? ((crc << 1) ^ 0x1021) : (crc << 1);
        crc &= 0xFFFF;
    }
    return crc;
}

// A ZMODEM hex header of the given type with zero data.
std::string HexHeader(unsigned char type)
{
    unsigned char bytes[5] = {type, 0, 0, 0, 0};
    unsigned crc = Crc16(bytes, 5);
    std::string h = "**\x18" "B";
    h += Format("%02x00000000%02x%02x", type, (crc >> 8) & 0xFF, crc & 0xFF);
    h += "\r\x8a";
    if (type != 8)
        h += '\x11';
    return h;
}

} // namespace

const Instrument::Entry Instrument::kCommands[] = {
    {"VER", &Instrument::Ver},       {"DSK", &Instrument::Dsk},
    {"GID", &Instrument::Gid},       {"GTY", &Instrument::Gty},
    {"GDC", &Instrument::Gdc},       {"SID", &Instrument::SetValue},
    {"STY", &Instrument::SetValue},  {"SDC", &Instrument::SetValue},
    {"DIR", &Instrument::Dir},       {"TXX", &Instrument::SendOne},
    {"TXS", &Instrument::SendFolder}, {"TXR", &Instrument::SendFolder},
    {"TXI", &Instrument::SendFolder}, {"TXG", &Instrument::SendFolder},
    {"INS", &Instrument::Install},   {"KSP", &Instrument::Install},
    {"PVP", &Instrument::Install},   {"XPC", &Instrument::Expand},
    {"XPX", &Instrument::Expand},    {"XPV", &Instrument::Expand},
    {"XPP", &Instrument::Expand},    {"XPR", &Instrument::Expand},
    {"XVT", &Instrument::Expand},    {"XPG", &Instrument::Expand},
    {"RMS", &Instrument::Remove},    {"RMV", &Instrument::Remove},
    {"RMP", &Instrument::Remove},    {"RMG", &Instrument::Remove},
    {"RMR", &Instrument::Remove},    {"RMT", &Instrument::Remove},
    {"RMX", &Instrument::Remove},    {"RMZ", &Instrument::Remove},
    {"DEL", &Instrument::Remove},    {"CAL", &Instrument::Calibration},
};

Instrument::Instrument(Line& line, const fs::path& drive, const SimSettings& settings,
                       std::FILE* log, const std::string& controlFile)
    : line_(line), drive_(drive), base_(settings), settings_(settings), log_(log),
      controlFile_(controlFile)
{
    for (auto& g : gain_) {
        g[0] = 0.00041056;
        g[1] = 9.9748e-06;
        g[2] = 2.4234e-07;
    }
    for (const char* sub : {"DATA/SP", "DATA/RES", "DATA/IP", "DATA/LOG", "TEST"})
        fs::create_directories(drive_ / sub);
}

void Instrument::Log(const char* format, ...)
{
    if (!log_)
        return;
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    std::fprintf(log_, "%02d:%02d:%02d.%03d ", tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
    va_list args;
    va_start(args, format);
    std::vfprintf(log_, format, args);
    va_end(args);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void Instrument::ReloadControl()
{
    if (controlFile_.empty())
        return;
    // Read whole each time: a rewrite within the same second must count too.
    std::ifstream in(controlFile_, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (content == controlContent_)
        return;
    controlContent_ = content;
    SimSettings next = base_;
    std::istringstream lines(content);
    std::string line, problem;
    while (std::getline(lines, line))
        if (!next.Apply(line, problem))
            Log("control file: %s", problem.c_str());
    settings_ = next;
    Log("control file read");
}

void Instrument::Run(const volatile bool* stop)
{
    std::string command;
    auto last = std::chrono::steady_clock::now();
    while (!*stop) {
        int c = line_.ReadByte(200);
        if (c < 0)
            continue;
        auto now = std::chrono::steady_clock::now();
        // A command arrives in one piece; a long gap means leftovers.
        if (now - last > std::chrono::milliseconds(1000))
            command.clear();
        last = now;
        if (c == '?' && command.empty()) {
            ReloadControl();
            Probe();
            continue;
        }
        if (c == '!') {
            if (!command.empty())
                Handle(command);
            command.clear();
            continue;
        }
        if (c < 0x20 || c > 0x7E || command.size() > 300) {
            command.clear();
            continue;
        }
        command += static_cast<char>(c);
    }
}

void Instrument::Pause()
{
    if (settings_.slowMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(settings_.slowMs));
}

void Instrument::Answer(const std::string& bytes)
{
    line_.Write(bytes);
}

const std::string* Instrument::ErrorFor(const std::string& verb) const
{
    auto it = settings_.errors.find(verb);
    return it == settings_.errors.end() ? nullptr : &it->second;
}

void Instrument::Probe()
{
    Log("< ? (probe)");
    if (settings_.silentAll) {
        Log("  (silent)");
        return;
    }
    Pause();
    Answer(std::string(1, settings_.fullDialect ? '&' : '\0'));
    Log("> %s", settings_.fullDialect ? "&" : "0x00");
}

void Instrument::Handle(const std::string& command)
{
    ReloadControl();
    std::string verb, arg;
    SplitCommand(command, verb, arg);
    Log("< %s", command.c_str());
    if (settings_.IsSilent(verb)) {
        Log("  (silent)");
        return;
    }
    Pause();
    auto refusal = settings_.refusals.find(verb);
    if (refusal != settings_.refusals.end()) {
        Answer(refusal->second + "!\r\n");
        Log("> %s! (refused)", refusal->second.c_str());
        return;
    }
    for (const Entry& e : kCommands) {
        if (verb == e.verb) {
            (this->*e.handler)(verb, arg);
            return;
        }
    }
    Answer("ERR 01!\r\n");
    Log("> ERR 01! (unknown command)");
}

void Instrument::Ver(const std::string& verb, const std::string&)
{
    const std::string* err = ErrorFor(verb);
    std::string text = err ? *err + "!\r\n" : settings_.version;
    Answer("#" + text + std::string(1, '\0'));
    Log("> #%s", text.c_str());
}

void Instrument::Dsk(const std::string& verb, const std::string&)
{
    const std::string* err = ErrorFor(verb);
    std::string text = err ? *err + "!\r\n" : Format("%ld!", settings_.freeSpace);
    Answer("#" + text);
    Log("> #%s", text.c_str());
}

void Instrument::Gid(const std::string& verb, const std::string&)
{
    const std::string* err = ErrorFor(verb);
    std::string text = err ? *err + "!\r\n" : Format("%07ld!\r", settings_.serial);
    Answer("#" + text);
    Log("> #%s", text.c_str());
}

void Instrument::Gty(const std::string& verb, const std::string&)
{
    const std::string* err = ErrorFor(verb);
    std::string text = err ? *err + "!\r\n" : Format("%d!", settings_.type % 10);
    Answer("#" + text);
    Log("> #%s", text.c_str());
}

void Instrument::Gdc(const std::string& verb, const std::string&)
{
    const std::string* err = ErrorFor(verb);
    std::string text = err ? *err + "!\r\n" : Format("%d!", settings_.converter % 10);
    Answer("#" + text);
    Log("> #%s", text.c_str());
}

void Instrument::SetValue(const std::string& verb, const std::string& arg)
{
    if (const std::string* err = ErrorFor(verb)) {
        Answer(*err + "!\r\n");
        Log("> %s!", err->c_str());
        return;
    }
    char* end = nullptr;
    long value = std::strtol(arg.c_str(), &end, 10);
    if (arg.empty() || *end != '\0') {
        Answer("ERR 03!\r\n");
        Log("> ERR 03! (bad number)");
        return;
    }
    // What the client writes outlives a reload of the control file.
    for (SimSettings* s : {&settings_, &base_}) {
        if (verb == "SID")
            s->serial = value;
        else if (verb == "STY")
            s->type = static_cast<int>(value);
        else
            s->converter = static_cast<int>(value);
    }
    Answer("#");
    Log("> # (%s = %ld)", verb.c_str(), value);
}

fs::path Instrument::MapPath(const std::string& instrumentPath) const
{
    std::string p = instrumentPath;
    if (p.size() >= 2 && p[1] == ':') {
        if (std::toupper(static_cast<unsigned char>(p[0])) != 'C')
            return fs::path();
        p = p.substr(2);
    }
    fs::path out = drive_;
    size_t i = 0;
    while (i <= p.size()) {
        size_t e = p.find_first_of("\\/", i);
        std::string part = p.substr(i, e == std::string::npos ? std::string::npos : e - i);
        i = e == std::string::npos ? p.size() + 1 : e + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return fs::path();
        std::string found = Upper(part);
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(out, ec)) {
            std::string name = entry.path().filename().string();
            if (Upper(name) == Upper(part)) {
                found = name;
                break;
            }
        }
        out /= found;
    }
    return out;
}

void Instrument::Dir(const std::string& verb, const std::string& arg)
{
    if (const std::string* err = ErrorFor(verb)) {
        Answer("#" + *err + "!\r\n");
        Log("> #%s!", err->c_str());
        return;
    }
    fs::path folder = MapPath(arg);
    std::string listing = "!\n";
    int count = 0;
    if (!folder.empty() && fs::is_directory(folder)) {
        for (const std::string& name : FilesIn(folder)) {
            fs::path file = folder / name;
            struct stat st{};
            if (stat(file.c_str(), &st) != 0)
                continue;
            std::tm tm{};
            localtime_r(&st.st_mtime, &tm);
            listing += Format("%s %ld %04d-%02d-%02d %02d:%02d:%02d\r\n", Upper(name).c_str(),
                              static_cast<long>(st.st_size), tm.tm_year + 1900, tm.tm_mon + 1,
                              tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
            ++count;
        }
    }
    listing += "!\n!\n!\n";
    Answer("#" + listing);
    Log("> # listing of %d file(s)", count);
}

void Instrument::EndLongCommand(const std::string& verb, const std::string& text)
{
    if (const std::string* err = ErrorFor(verb)) {
        Answer(*err + "?");
        Log("> %s? (error)", err->c_str());
        return;
    }
    Answer(text + "!");
    Log("> %s!", text.c_str());
}

void Instrument::SendOne(const std::string& verb, const std::string& arg)
{
    fs::path file = MapPath(arg);
    if (const std::string* err = ErrorFor(verb)) {
        Answer(*err + "!\r\n");
        Log("> %s!", err->c_str());
        return;
    }
    if (file.empty() || !fs::is_regular_file(file)) {
        Answer("ERR 02!\r\n");
        Log("> ERR 02! (no such file)");
        return;
    }
    Answer("#");
    Log("> # sending %s", file.c_str());
    if (!SendFiles(file.parent_path(), {file.filename().string()}))
        return;
    Answer("!");
    Log("> !");
}

void Instrument::SendFolder(const std::string& verb, const std::string&)
{
    if (const std::string* err = ErrorFor(verb)) {
        Answer(*err + "!\r\n");
        Log("> %s!", err->c_str());
        return;
    }
    fs::path folder;
    for (const Bulk& b : kBulk)
        if (verb == b.verb)
            folder = MapPath(b.folder);
    std::vector<std::string> names = FilesIn(folder);
    Answer("#");
    Log("> # sending %zu file(s) of %s", names.size(), folder.c_str());
    if (names.empty())
        EmptySession();
    else if (!SendFiles(folder, names))
        return;
    Answer("!");
    Log("> !");
}

void Instrument::Install(const std::string& verb, const std::string& arg)
{
    if (const std::string* err = ErrorFor(verb)) {
        Answer(*err + "!\r\n");
        Log("> %s!", err->c_str());
        return;
    }
    Answer("#");
    Log("> # receiving");
    std::vector<std::string> before = FilesIn(drive_);
    if (!ReceiveFiles(drive_))
        return;
    Answer("!");
    Log("> !");
    // In the full dialect an archive is expanded right after its transfer.
    if (verb != "INS" || arg.empty())
        return;
    std::string name = Upper(arg);
    for (const Archive& a : kArchives) {
        if (name == a.archive) {
            std::ofstream(drive_ / a.program) << "program unpacked from " << a.archive << "\n";
            EndLongCommand(verb, Format("Expanding %s", a.archive));
        }
    }
}

void Instrument::Expand(const std::string& verb, const std::string&)
{
    Answer("#");
    for (const Archive& a : kArchives) {
        if (verb != a.expandVerb)
            continue;
        if (fs::exists(MapPath(a.archive)))
            std::ofstream(drive_ / a.program) << "program unpacked from " << a.archive << "\n";
        EndLongCommand(verb, Format("Expanding %s", a.archive));
    }
}

void Instrument::Remove(const std::string& verb, const std::string& arg)
{
    std::string patterns = arg;
    for (const Removal& r : kRemovals)
        if (verb == r.verb)
            patterns = r.files;
    Answer("#");
    int removed = 0;
    if (!ErrorFor(verb)) {
        for (const std::string& pattern : Words(patterns)) {
            for (const std::string& name : FilesIn(drive_)) {
                if (fnmatch(Upper(pattern).c_str(), Upper(name).c_str(), 0) == 0) {
                    std::error_code ec;
                    if (fs::remove(drive_ / name, ec))
                        ++removed;
                }
            }
        }
    }
    EndLongCommand(verb, Format("Removed %d file(s)", removed));
}

void Instrument::Calibration(const std::string& verb, const std::string& arg)
{
    const std::string* err = ErrorFor(verb);
    Answer("#");
    bool write = arg.find(',') != std::string::npos;
    int channel = std::atoi(arg.c_str());
    if (channel < 0 || channel > 4) {
        EndLongCommand(verb, "Bad channel");
        return;
    }
    if (!write) {
        std::string text;
        if (err)
            text = *err + "!\r\n";
        else if (channel == 0)
            text = Format("%.10g %.10g %.10g %.10g!\r\n", output_[0], output_[1], output_[2],
                          output_[3]);
        else
            text = Format("%ld %.10g %.10g %.10g!\r\n", offset_[channel - 1],
                          gain_[channel - 1][0], gain_[channel - 1][1], gain_[channel - 1][2]);
        Answer(text);
        Log("> #%s", text.c_str());
        return;
    }
    if (!err) {
        const char* values = arg.c_str() + arg.find(',') + 1;
        if (channel == 0)
            std::sscanf(values, "%lf,%lf,%lf,%lf", &output_[0], &output_[1], &output_[2],
                        &output_[3]);
        else
            std::sscanf(values, "%ld,%lf,%lf,%lf", &offset_[channel - 1], &gain_[channel - 1][0],
                        &gain_[channel - 1][1], &gain_[channel - 1][2]);
    }
    EndLongCommand(verb, "Calibration stored");
}

bool Instrument::SendFiles(const fs::path& folder, const std::vector<std::string>& names)
{
    // Give the client time to clear its input and start its receiver.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<std::string> argv = {"sz", "-b", "-q"};
    argv.insert(argv.end(), names.begin(), names.end());
    return RunPeer(argv, folder);
}

bool Instrument::ReceiveFiles(const fs::path& folder)
{
    return RunPeer({"rz", "-b", "-q", "-u"}, folder);
}

bool Instrument::RunPeer(const std::vector<std::string>& argv, const fs::path& cwd)
{
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
        Log("  cannot make pipes: %s", std::strerror(errno));
        return false;
    }
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(log_ ? fileno(log_) : devnull, 2);
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1], line_.Fd(), devnull})
            close(fd);
        if (chdir(cwd.c_str()) != 0)
            _exit(126);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    fcntl(toChild[1], F_SETFL, fcntl(toChild[1], F_GETFL) | O_NONBLOCK);
    Log("  %s started in %s", argv[0].c_str(), cwd.c_str());

    long relayed = 0;
    bool cut = false;
    char buffer[4096];
    // rz waits up to 30 s for the sender's closing "OO" after its ZFIN; a
    // lost "OO" must not hold the line that long, the files are complete.
    const std::string zfin = "\x18" "B08";
    std::string tail;
    // Five CAN bytes end a ZMODEM session from either side.
    const std::string kCancel(5, '\x18');
    std::string fromLine;
    bool cancelled = false;
    auto finished = std::chrono::steady_clock::time_point::max();
    for (;;) {
        pollfd p[2] = {{fromChild[0], POLLIN, 0}, {line_.Fd(), POLLIN, 0}};
        if (poll(p, 2, 200) < 0 && errno != EINTR)
            break;
        if (p[0].revents & (POLLIN | POLLHUP)) {
            // Ten bits a byte on the line; reads of about 20 ms keep the pace
            // even and the other direction answered.
            const bool paced = settings_.baud > 0 && !cancelled;
            size_t chunk = paced ? std::clamp<size_t>(settings_.baud / 500, 1, 256) : sizeof buffer;
            ssize_t n = read(fromChild[0], buffer, chunk);
            if (n > 0 && paced)
                std::this_thread::sleep_for(std::chrono::microseconds(n * 10000000L / settings_.baud));
            if (n <= 0)
                break;
            // A cancelled sender stops at once: its output still queued in
            // the pipe would not be on a real instrument's line.
            if (!cancelled)
                line_.Write(buffer, static_cast<size_t>(n));
            relayed += n;
            tail = (tail + std::string(buffer, static_cast<size_t>(n)));
            if (tail.find(zfin) != std::string::npos && argv[0] == "rz")
                finished = std::chrono::steady_clock::now() + std::chrono::milliseconds(2000);
            if (tail.size() > 8)
                tail.erase(0, tail.size() - 8);
        }
        if (std::chrono::steady_clock::now() > finished) {
            // A sender that flushes its line on exit can lose the "OO". The
            // files are complete; SIGKILL keeps rz from sending a cancel
            // onto the line, which the PC would read as a reply.
            Log("  no closing OO from the sender");
            kill(pid, SIGKILL);
            finished = std::chrono::steady_clock::time_point::max();
        }
        if (p[1].revents & POLLIN) {
            ssize_t n = read(line_.Fd(), buffer, sizeof buffer);
            if (n > 0) {
                fromLine = (fromLine + std::string(buffer, static_cast<size_t>(n)));
                if (!cancelled && fromLine.find(kCancel) != std::string::npos) {
                    cancelled = true;
                    kill(pid, SIGKILL);
                    Log("  cancelled by the client");
                }
                if (fromLine.size() > kCancel.size())
                    fromLine.erase(0, fromLine.size() - kCancel.size());
                // A peer that stopped reading loses the bytes, as a dead line would.
                if (write(toChild[1], buffer, static_cast<size_t>(n)) < 0 && errno != EAGAIN)
                    Log("  peer input closed");
                relayed += n;
            }
        }
        if (settings_.cutAfter > 0 && relayed >= settings_.cutAfter) {
            cut = true;
            kill(pid, SIGKILL);
            break;
        }
    }
    close(toChild[1]);
    close(fromChild[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (cut) {
        Log("  line cut after %ld bytes", relayed);
        size_t dropped = line_.Drain(3000);
        Log("  line back after dropping %zu bytes", dropped);
        return false;
    }
    // The client's last bytes ("OO") may still be on the way.
    size_t dropped = line_.Drain(300);
    Log("  %s ended with %d (%ld bytes relayed, %zu dropped)", argv[0].c_str(),
        WIFEXITED(status) ? WEXITSTATUS(status) : -1, relayed, dropped);
    return true;
}

void Instrument::EmptySession()
{
    // No file to send: open and close a ZMODEM session without a file.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Answer(HexHeader(0));  // ZRQINIT
    std::string seen;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool finSent = false;
    while (std::chrono::steady_clock::now() < deadline) {
        int c = line_.ReadByte(500);
        if (c < 0)
            continue;
        seen += static_cast<char>(c);
        if (seen.size() > 64)
            seen.erase(0, seen.size() - 64);
        if (!finSent && seen.find("B01") != std::string::npos) {
            Answer(HexHeader(8));  // ZFIN
            finSent = true;
            seen.clear();
        } else if (finSent && seen.find("B08") != std::string::npos) {
            Answer("OO");
            break;
        }
    }
    line_.Drain(300);
    Log("  empty session %s", finSent ? "closed" : "timed out");
}

} // namespace sim
