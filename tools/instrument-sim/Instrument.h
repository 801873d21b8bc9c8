// The simulated instrument: reads commands from the line, answers them from
// its settings and a folder that stands for its drive C:, and runs sz/rz of
// lrzsz on the same line for the ZMODEM transfers.
#pragma once

#include "Line.h"
#include "SimSettings.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace sim {

class Instrument {
public:
    Instrument(Line& line, const std::filesystem::path& drive, const SimSettings& settings,
               std::FILE* log, const std::string& controlFile);

    // Serves commands until *stop becomes true.
    void Run(const volatile bool* stop);

    // Maps "C:\DATA\SP\X.G7K" to a path below the drive folder, matching
    // existing names without regard to case; empty when it leaves the drive.
    std::filesystem::path MapPath(const std::string& instrumentPath) const;

private:
    using Handler = void (Instrument::*)(const std::string& verb, const std::string& arg);
    struct Entry { const char* verb; Handler handler; };
    static const Entry kCommands[];

    void Handle(const std::string& command);
    void ReloadControl();
    void Log(const char* format, ...);
    void Answer(const std::string& bytes);
    void Pause();
    const std::string* ErrorFor(const std::string& verb) const;

    void Probe();
    void Ver(const std::string&, const std::string&);
    void Dsk(const std::string&, const std::string&);
    void Gid(const std::string&, const std::string&);
    void Gty(const std::string&, const std::string&);
    void Gdc(const std::string&, const std::string&);
    void SetValue(const std::string& verb, const std::string& arg);
    void Dir(const std::string&, const std::string& arg);
    void SendOne(const std::string&, const std::string& arg);
    void SendFolder(const std::string& verb, const std::string&);
    void Install(const std::string& verb, const std::string& arg);
    void Expand(const std::string& verb, const std::string&);
    void Remove(const std::string& verb, const std::string& arg);
    void Calibration(const std::string&, const std::string& arg);

    // ZMODEM through lrzsz; false when the line was cut.
    bool SendFiles(const std::filesystem::path& folder, const std::vector<std::string>& names);
    bool ReceiveFiles(const std::filesystem::path& folder);
    bool RunPeer(const std::vector<std::string>& argv, const std::filesystem::path& cwd);
    void EmptySession();
    void EndLongCommand(const std::string& verb, const std::string& text);

    Line& line_;
    std::filesystem::path drive_;
    SimSettings base_;
    SimSettings settings_;
    std::FILE* log_;
    std::string controlFile_;
    std::string controlContent_;

    double output_[4] = {-3.903, 201.54, -0.899, 3.3};
    long offset_[4] = {1001740, 1001740, 1001740, 1001740};
    double gain_[4][3];
};

} // namespace sim
