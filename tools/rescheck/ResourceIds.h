// Finds resources defined twice in a preprocessed resource script: the
// resource compiler keeps one of each pair and only warns, and it does not
// even warn about a string id used twice.
#pragma once

#include <string>
#include <vector>

struct ResourceDefinition
{
    std::string strType;   // "ICON", "MENU" (also MENUEX), "DIALOG" (also DIALOGEX), "STRING", ...
    std::string strId;     // the number in decimal, or the name in upper case
    std::string strLanguage;
    std::string strWhere;  // "file:line" from the preprocessor's line markers
};

// Every resource and string of the script, in order.
std::vector<ResourceDefinition> ListResources(const std::string& strScript);

// One line per resource whose type, id and language were defined before:
// "<where>: <type> <id> is defined again (first at <where>)".
std::vector<std::string> FindDuplicateResources(const std::string& strScript);
