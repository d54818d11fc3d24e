// The verdict on a check: what an artist must fix (errors), what will look wrong (warnings), and the
// checker's exit status.
#pragma once

#include "SkinCheck.h"

#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct Message {
    Severity severity;
    std::string text;
};

std::vector<Message> Assess(const SkinCheck& check);

// 0 clean, 1 warnings only, 2 any error.
int ExitStatus(const std::vector<Message>& messages);

// A count with its thousands grouped: "505,837".
std::string Grouped(long long count);
// "1 pixel", "8,763 pixels"
std::string Counted(long long count, const std::string& noun);
