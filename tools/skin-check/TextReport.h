// The check in plain words, for an artist reading a terminal.
#pragma once

#include "Assessment.h"

#include <ostream>

void WriteTextReport(std::ostream& out, const SkinCheck& check, const std::vector<Message>& messages);
