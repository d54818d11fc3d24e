#pragma once

#define IDD_TEST_DIALOG 100
#define IDD_MISSING_DIALOG 101
#define IDC_TEST_EDIT 1001
