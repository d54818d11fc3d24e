// The button's face choice and placement in the framework's rectangle type.
#pragma once

#include "FaceChoice.h"
#include "Framework.h"

CRect PlaceFaceImage(const CRect& item, CRect& caption, BOOL hasCaption, UINT width, UINT height, BOOL shift);
