#!/usr/bin/env bash
# Checks a change of the button or pane rows (face/FaceRows.h) alone: the asset checks (the rows fit, res/ is
# what they paint, the skin checker finds nothing), the shipped-table tests, and the end-to-end tests that
# look at every button's faces under the pointer and click the web buttons. Builds what they need first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
# Google Test reads its filter from the environment, and Wine hands the environment to the test programs.
export GTEST_FILTER='ShippedTables.*:UIBuilderTest.Shipped*:LauncherButtons.FacesFollowThePointerAndTheMouseButton:LauncherButtons.WebButtonsOpenTheirOwnAddressesInTheBrowser'
ctest --test-dir "$root/build" --output-on-failure \
      -R '^(wine_session_start|wine_session_stop|host_asset_tests|control_tests|button_e2e_tests)$'
