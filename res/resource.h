// Resource identifiers of the launcher. They are fixed: the UI tables and the tests refer to them.
#pragma once

#define IDD_LAUNCHER_DIALOG 102
#define IDR_MAINFRAME 128

#define IDB_SUPPORT_NORMAL 182
#define IDB_SUPPORT_HOVER 183
#define IDB_CLOSE_NORMAL 184
#define IDB_CLOSE_HOVER 185
#define IDB_FORUM_NORMAL 186
#define IDB_FORUM_HOVER 187
#define IDB_HOME_NORMAL 188
#define IDB_HOME_HOVER 189
#define IDB_MINIMISE_NORMAL 190
#define IDB_MINIMISE_HOVER 191
#define IDB_NEWS_NORMAL 192
#define IDB_NEWS_HOVER 193
#define IDB_START_NORMAL 194
#define IDB_START_HOVER 195
#define IDB_RANKING_NORMAL 196
#define IDB_RANKING_HOVER 197
#define IDB_SIGNUP_NORMAL 198
#define IDB_SIGNUP_HOVER 199

#define IDR_SKIN_PNG 206
