#pragma once

// Everything the launcher uses of the framework.

#include <windows.h>
#include <commctrl.h>

#include "AfxIds.h"
#include "WideString.h"
#include "Geometry.h"
#include "MessageMap.h"
#include "MessageMapEntries.h"
#include "CmdTarget.h"
#include "Wnd.h"
#include "Dialog.h"
#include "WinApp.h"
#include "SystemLibrary.h"
#include "Dc.h"
#include "BitmapDc.h"
#include "Dib32.h"
#include "SelectObjectScope.h"
#include "GdiObjects.h"
#include "Controls.h"
#include "ImageList.h"
#include "LinkedList.h"
#include "ToolTipCtrl.h"
#include "ComPtr.h"
#include "ComBstr.h"
#include "EventSink.h"
#include "OleControlSite.h"
