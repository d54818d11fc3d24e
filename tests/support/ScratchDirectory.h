// Directories under the temporary directory for a test's own files.
#pragma once

#include <string>

// A fresh, empty directory under the temporary directory: whatever an earlier run left there is removed.
std::wstring FreshScratchDirectory(const std::wstring& name);
