#include "SimSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace sim {

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

static std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

void SplitCommand(const std::string& text, std::string& verb, std::string& rest)
{
    std::string t = Trim(text);
    size_t blank = t.find(' ');
    verb = Upper(t.substr(0, blank));
    rest = blank == std::string::npos ? std::string() : Trim(t.substr(blank + 1));
}

static bool ParseLong(const std::string& s, long& out)
{
    if (s.empty())
        return false;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0')
        return false;
    out = v;
    return true;
}

bool SimSettings::Apply(const std::string& directive, std::string& problem)
{
    std::string key, arg;
    SplitCommand(directive, key, arg);
    if (key.empty() || key[0] == '#')
        return true;

    long n = 0;
    if (key == "DIALECT") {
        std::string a = Upper(arg);
        if (a != "FULL" && a != "SHORT") {
            problem = "dialect must be full or short";
            return false;
        }
        fullDialect = a == "FULL";
        return true;
    }
    if (key == "SILENT") {
        if (arg.empty())
            silentAll = true;
        else
            silent.push_back(Upper(arg));
        return true;
    }
    if (key == "ERROR" || key == "REFUSE") {
        std::string verb, text;
        SplitCommand(arg, verb, text);
        if (verb.empty()) {
            problem = key == "ERROR" ? "error needs a command" : "refuse needs a command";
            return false;
        }
        if (text.empty())
            text = "ERR 05";
        (key == "ERROR" ? errors : refusals)[verb] = text;
        return true;
    }
    if (key == "VERSION") {
        version = arg;
        return true;
    }
    struct Number { const char* name; long* target; long min; };
    long slow = slowMs, type_ = type, conv = converter;
    const Number numbers[] = {
        {"SERIAL", &serial, 0}, {"FREE", &freeSpace, 0}, {"CUT", &cutAfter, 0}, {"BAUD", &baud, 0},
        {"SLOW", &slow, 0}, {"TYPE", &type_, 0}, {"CONVERTER", &conv, 0},
    };
    for (const Number& num : numbers) {
        if (key != num.name)
            continue;
        if (!ParseLong(arg, n) || n < num.min) {
            problem = Upper(num.name) + " needs a number";
            return false;
        }
        *num.target = n;
        slowMs = static_cast<int>(slow);
        type = static_cast<int>(type_);
        converter = static_cast<int>(conv);
        return true;
    }
    problem = "unknown setting '" + key + "'";
    return false;
}

bool SimSettings::IsSilent(const std::string& verb) const
{
    return silentAll || std::find(silent.begin(), silent.end(), verb) != silent.end();
}

} // namespace sim
