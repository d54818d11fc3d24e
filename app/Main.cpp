// The one application object; the framework's entry point drives it.
#include "LauncherApp.h"

CLauncherApp theApp;
