#!/usr/bin/env bash
# Runs scripts/check-layers on small trees: a clean one passes silently, and each broken include
# (a layer including one above it, Qt below the grid, the toolkit from a layer that may not use it)
# is reported with its file, line and text, and fails the check.
# Usage: tests/check-layers-test.sh [path of check-layers]
set -uo pipefail
check=${1:-"$(dirname "$0")/../scripts/check-layers"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

clean_tree() {
  local root=$1
  mkdir -p "$root"/src/{core,fields,store,grid,toolkit,client} "$root"/tests/{support,guisupport,grid}
  printf '#include <string>\n#include "core/TLog.h"\n' >"$root/src/core/TLog.cpp"
  printf '#include "core/TLog.h"\n' >"$root/src/fields/TField.h"
  printf '#include "fields/TField.h"\n  #  include "core/TLog.h"\n' >"$root/src/store/TStore.cpp"
  printf '#include <QWidget>\n#include "core/TLog.h"\n' >"$root/src/toolkit/TForm.h"
  printf '#include <QtCore/QString>\n#include "toolkit/TForm.h"\n#include "store/TStore.h"\n' \
    >"$root/src/grid/TGrid.cpp"
  printf '#include "grid/TGrid.h"\n#include "toolkit/TForm.h"\n' >"$root/src/client/TMain.cpp"
  printf '#include "fields/TField.h"\n' >"$root/tests/support/Helper.h"
  printf '#include "toolkit/TForm.h"\n' >"$root/tests/guisupport/Ui.h"
  printf '#include "support/Helper.h"\n#include "guisupport/Ui.h"\n#include <QTest>\n' \
    >"$root/tests/grid/TGridTest.cpp"
  # not a C++ source: never read
  printf '#include "client/TMain.h"\n' >"$root/src/core/notes.txt"
}

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

clean_tree "$work/clean"
if ! output=$("$check" "$work/clean" 2>&1); then fail "a clean tree is rejected: $output"; fi
[[ -z $output ]] || fail "a clean tree prints: $output"

# file | its text | the expected report
cases=(
  "src/core/TBad.h|#include \"grid/TGrid.h\"|src/core/TBad.h:2: layer core must not include a header of layer grid: #include \"grid/TGrid.h\""
  "src/store/TBad.cpp|#include <QString>|src/store/TBad.cpp:2: layer store must not include Qt: #include <QString>"
  "tests/support/Bad.h|#  include <QtCore/QMap>  |tests/support/Bad.h:2: layer fields must not include Qt: #  include <QtCore/QMap>"
  "src/store/TBad.cpp|#include \"toolkit/TForm.h\"|src/store/TBad.cpp:2: layer store must not include a header of layer toolkit: #include \"toolkit/TForm.h\""
  "src/core/TBad.cpp|#include \"toolkit/TForm.h\"|src/core/TBad.cpp:2: layer core must not include a header of layer toolkit: #include \"toolkit/TForm.h\""
  "src/toolkit/TBad.h|#include \"grid/TGrid.h\"|src/toolkit/TBad.h:2: layer toolkit must not include a header of layer grid: #include \"grid/TGrid.h\""
  "tests/guisupport/Bad.h|#include \"store/TStore.h\"|tests/guisupport/Bad.h:2: layer toolkit must not include a header of layer store: #include \"store/TStore.h\""
)
i=0
for entry in "${cases[@]}"; do
  IFS='|' read -r file text expected <<<"$entry"
  i=$((i + 1))
  root="$work/broken$i"
  clean_tree "$root"
  printf '#pragma once\n%s\n' "$text" >"$root/$file"
  output=$("$check" "$root" 2>&1)
  status=$?
  [[ $status -ne 0 ]] || fail "$file with '$text' passes the check"
  [[ $output == "$expected" ]] || fail "$file with '$text' reports '$output', expected '$expected'"
done

# All three at once: each is reported.
root="$work/all"
clean_tree "$root"
printf '#include "grid/TGrid.h"\n' >"$root/src/core/TUp.h"
printf '#include <QString>\n' >"$root/src/store/TQt.h"
printf '#include "toolkit/TForm.h"\n' >"$root/src/fields/TKit.h"
output=$("$check" "$root" 2>&1)
status=$?
[[ $status -ne 0 ]] || fail "a tree with three broken includes passes the check"
for expected in \
  'src/core/TUp.h:1: layer core must not include a header of layer grid: #include "grid/TGrid.h"' \
  'src/store/TQt.h:1: layer store must not include Qt: #include <QString>' \
  'src/fields/TKit.h:1: layer fields must not include a header of layer toolkit: #include "toolkit/TForm.h"'; do
  grep -qxF "$expected" <<<"$output" || fail "missing report '$expected' in: $output"
done
[[ $(wc -l <<<"$output") -eq 3 ]] || fail "expected three reports, got: $output"

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "check-layers: all cases pass"
