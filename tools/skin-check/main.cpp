// skin-check: tells an artist, before the launcher runs, what it will make of a skin and its button
// images.
#include "SkinCheckCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunSkinCheckCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
