#include "Labels.h"

#include <cstring>

bool IsLabelCharacter(char c) {
    return c != '\0' && std::strchr(kLabelCharacters, c) != nullptr;
}

std::string ForeignLabelCharacters(const char* label) {
    std::string foreign;
    for (const char* c = label; *c != '\0'; ++c) {
        if (!IsLabelCharacter(*c) && foreign.find(*c) == std::string::npos) {
            foreign += *c;
        }
    }
    return foreign;
}
