// Settings of the instrument simulator: what it says about itself and how it
// misbehaves. They come from the command line and, while it runs, from an
// optional control file that is read again whenever it changes.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sim {

struct SimSettings {
    // Identity.
    bool fullDialect = true;          // probe answer '&' (full) or 0 (short)
    long serial = 1234567;
    int type = 1;                     // instrument type flag (GTY)
    int converter = 1;                // DC/DC converter type (GDC)
    std::string version = "GVX7000 SIM 2.10";
    long freeSpace = 4000000;         // DSK answer

    // Misbehaviour.
    bool silentAll = false;           // answer nothing at all
    std::vector<std::string> silent;  // verbs that get no answer
    std::map<std::string, std::string> errors;   // verb -> error text, in the reply
    std::map<std::string, std::string> refusals; // verb -> error text, instead of "#"
    int slowMs = 0;                   // delay before every answer
    long cutAfter = 0;                // bytes of a transfer after which the line dies
    long baud = 0;                    // pace transfers like a line of this speed (0: no pacing)

    // Applies one directive such as "error GID ERR 05" or "slow 6000".
    // Returns false with a message for an unknown or malformed directive.
    bool Apply(const std::string& directive, std::string& problem);

    bool IsSilent(const std::string& verb) const;
};

// Splits "verb rest" at the first blank; the verb is upper-cased.
void SplitCommand(const std::string& text, std::string& verb, std::string& rest);

std::string Upper(std::string s);

} // namespace sim
