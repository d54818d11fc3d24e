// The check as one JSON object, for scripts and build pipelines.
#pragma once

#include "Assessment.h"

#include <ostream>

void WriteJsonReport(std::ostream& out, const SkinCheck& check, const std::vector<Message>& messages);
