#pragma once

#include <windows.h>
#include <oaidl.h>

#include <vector>

// A private copy of a navigation's POST body: the bytes of a one-dimensional byte array, reached from the
// event's argument through any variant references. Anything else, an array whose bounds cannot be read
// included, is no body: the copy is empty.
std::vector<BYTE> CopyPostData(const VARIANT* pPostData);
