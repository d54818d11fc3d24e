// The command line of skin-check:
//   skin-check [--json] [--preview OUT.png] SKIN.png [BUTTON_IMAGE_FOLDER]
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the check and writes its report to `out`, usage mistakes to `err`. Returns the exit status:
// 0 clean, 1 warnings, 2 errors (a usage mistake is one).
int RunSkinCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
