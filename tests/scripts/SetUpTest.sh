#!/usr/bin/env bash
# ./play.sh and ./test.sh as newcomers meet them on a machine with nothing
# installed: as root, as a user sudo lets install, as one sudo refuses and
# as one without sudo. apt-get, sudo, id, dpkg-query, cmake, ctest, the game
# and the fuzz harnesses are fakes on a PATH of their own; apt-get installs
# into a list that dpkg-query reads, and refuses to run but as root.
set -uo pipefail
root=$1
# ./test.sh, which runs this, hands its own log down.
unset KARVELIN_LOG
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

bin=$work/bin
mkdir -p "$bin"
for tool in bash sh grep env cat find stat tail head mkdir rm sort tr sed dirname nproc sleep touch chmod wc cp ls cut true basename awk; do
  ln -s "$(type -P $tool)" "$bin/$tool"
done
stub() { cat >"$bin/$1"; chmod +x "$bin/$1"; }

# The uid is FAKE_UID; the fake sudo runs its command with 0.
stub id <<'EOF'
#!/bin/sh
[ "$1" = -u ] && echo "$FAKE_UID" || echo user
EOF
stub dpkg-query <<EOF
#!/bin/sh
for p; do :; done
grep -qx "\$p" "$work/installed" 2>/dev/null && echo "install ok installed"
EOF
stub apt-get <<EOF
#!/bin/sh
if [ "\$FAKE_UID" != 0 ]; then echo "E: Could not open lock file - are you root?" >&2; exit 100; fi
echo "\$*" >>"$work/apt.log"
i=0; while [ \$i -lt 300 ]; do echo "Unpacking something ... \$i"; i=\$((i + 1)); done
[ "\$1" = install ] || exit 0
for p; do case "\$p" in -*|install) ;; *) echo "\$p" >>"$work/installed" ;; esac; done
EOF
allowing_sudo() {
  stub sudo <<'EOF'
#!/bin/sh
echo "[sudo] password for user:" >&2
FAKE_UID=0 exec "$@"
EOF
}
refusing_sudo() {
  stub sudo <<'EOF'
#!/bin/sh
echo "[sudo] password for user:" >&2
echo "user is not in the sudoers file." >&2
exit 1
EOF
}
# cmake configures (a build.ninja and the cache) and builds: noisily the first
# time, with a warning of ours and one a system header raises where our code
# was inlined, then only ninja's re-check of the globbed folders unless
# FAKE_CHANGED says a file changed. FAKE_BUILD_FAIL breaks the build.
stub cmake <<EOF
#!/bin/bash
echo "cmake \$*" >>"$work/cmake.log"
if [ "\$1" = -S ]; then
  mkdir -p "\$4"; touch "\$4/build.ninja"; : >"\$4/CMakeCache.txt"
  for a; do [[ \$a == -D*=* ]] && a=\${a#-D} && echo "\${a%%=*}:STRING=\${a#*=}" >>"\$4/CMakeCache.txt"; done
  echo "-- Configuring done"; exit 0
fi
dir=\$2
echo "[0/2] Re-checking globbed directories..."
if [ -n "\${FAKE_BUILD_FAIL:-}" ]; then echo "[1/9] Building CXX object a.o"; echo "a.cpp:1: error: boom"; exit 1; fi
if [ -e "\$dir/built" ]; then
  [ -n "\${FAKE_CHANGED:-}" ] && echo "[1/1] Building CXX object changed.o" || echo "ninja: no work to do."
  exit 0
fi
for i in 1 2 3 4 5 6 7 8 9; do echo "[\$i/9] Building CXX object \$i.o"; done
echo "w.cpp:2:5: warning: unused variable 'x'"
echo "[9/9] Building CXX object platform/Ini.cpp.o"
echo "In file included from /usr/include/c++/12/string:40,"
echo "                 from \$PWD/platform/Ini.cpp:1:"
echo "In static member function 'copy',"
echo "    inlined from 'void plat::IniDocument::Set(std::string_view, std::string_view)' at \$PWD/platform/Ini.cpp:208:36:"
echo "/usr/include/c++/12/bits/char_traits.h:431:56: warning: 'memcpy' may overlap [-Wrestrict]"
mkdir -p "\$dir/app" "\$dir/fuzz" "\$dir/tests"; touch "\$dir/built"
printf '#!/bin/sh\necho "GAME STARTED in \$PWD"\n' >"\$dir/app/karvelin"
printf '#!/bin/sh\necho "[  PASSED  ] 1 test."\n' >"\$dir/tests/test_fake"
printf 'Alpha;Beta' >"\$dir/fuzz_targets.txt"
for t in Alpha Beta; do printf '#!/bin/sh\necho "stat::number_of_executed_units: 42"\n' >"\$dir/fuzz/fuzz_\$t"; done
chmod +x "\$dir/app/karvelin" "\$dir"/fuzz/* "\$dir/tests/test_fake"
EOF
stub ctest <<'EOF'
#!/bin/sh
echo "100% tests passed, 0 tests failed out of 1"
EOF

# A copy of the scripts in a tree of their own, nothing installed.
fresh() {
  rm -rf "$work/tree" "$work/installed" "$work/apt.log" "$work/cmake.log"
  mkdir -p "$work/tree/data"
  cp -r "$root/play.sh" "$root/test.sh" "$root/scripts" "$work/tree/"
}
# run <uid> <command...>: output in $work/out, status in $status.
run() {
  local uid=$1
  shift
  (cd "$work/tree" && FAKE_UID=$uid PATH=$bin "$@") >"$work/out" 2>&1
  status=$?
}
has() { grep -qF -- "$1" "$work/out"; }
# Lines printed before the game's own.
own_lines() { sed '/^GAME STARTED/,$d' "$work/out" | wc -l; }
line_of() { grep -nF -- "$1" "$work/out" | head -n 1 | cut -d: -f1; }

# Those who can install: everything goes in with apt as root, the routine
# output of apt and of the build stays in the log, and a second start says
# nothing of its own.
for kind in root sudo; do
  fresh
  uid=0
  if [ $kind = sudo ]; then uid=1000; allowing_sudo; else rm -f "$bin/sudo"; fi
  run $uid ./play.sh
  [ "$status" -eq 0 ] || fail "$kind: first play, status $status: $(cat "$work/out")"
  has "GAME STARTED in $work/tree/data" || fail "$kind: the game did not start in data/"
  [ "$(own_lines)" -lt 20 ] || fail "$kind: first play prints $(own_lines) lines"
  has "libsdl2-mixer-dev" || fail "$kind: the missing packages are not named"
  has "build/play.log" || fail "$kind: the log is not named"
  has "Building Karvelin (the first build takes a few minutes)..." || fail "$kind: no line for the first build"
  has "w.cpp:2:5: warning: unused variable" || fail "$kind: a compiler warning is hidden"
  grep -A1 -F "char_traits.h:431:56: warning:" "$work/out" | grep -qxF "    (from platform/Ini.cpp:208:36)" ||
    fail "$kind: a warning from a system header does not name our line: $(cat "$work/out")"
  ! has "Unpacking" && ! has "[1/9]" && ! has "Re-checking" || fail "$kind: routine output shown: $(cat "$work/out")"
  grep -q "Unpacking" "$work/tree/build/play.log" || fail "$kind: apt's output is not in the log"
  [ "$(head -n 1 "$work/apt.log")" = update ] || fail "$kind: apt-get update did not come first"
  grep -q "^install -y .*libsdl2-mixer-dev" "$work/apt.log" || fail "$kind: apt-get did not install"
  if [ $kind = sudo ]; then
    [ -n "$(line_of "sudo may ask")" ] && [ "$(line_of "sudo may ask")" -lt "$(line_of "[sudo] password")" ] ||
      fail "sudo: sudo asked before it was said why"
  else
    ! has "sudo" || fail "root: sudo mentioned"
  fi
  run $uid ./play.sh
  [ "$status" -eq 0 ] && [ "$(cat "$work/out")" = "GAME STARTED in $work/tree/data" ] ||
    fail "$kind: second play, status $status, printed: $(cat "$work/out")"
  FAKE_CHANGED=1 run $uid ./play.sh
  [ "$status" -eq 0 ] && has "Building Karvelin..." && ! has "first build" ||
    fail "$kind: a rebuild, status $status, printed: $(cat "$work/out")"

  run $uid ./test.sh
  [ "$status" -eq 0 ] || fail "$kind: first test, status $status: $(cat "$work/out")"
  grep -q "^install -y .*libgtest-dev.* clang " "$work/apt.log" || fail "$kind: test tools not installed"
  grep -q "^install -y .*libsdl2-dev" <(tail -n 1 "$work/apt.log") && fail "$kind: test reinstalls the play packages"
  has "100% tests passed" && grep -qE "^Alpha +ok" "$work/out" || fail "$kind: test printed: $(cat "$work/out")"
  ! has "[1/9]" && ! has "Unpacking" || fail "$kind: test shows routine output"
  # The fuzz build embeds the resources the test build made.
  grep -q "cmake -S . -B build/fuzz .*-DKARVELIN_FUZZ=ON -DKARVELIN_RESOURCES_FROM=$work/tree/build/test" "$work/cmake.log" ||
    fail "$kind: no fuzz build lent the test build's resources"
done

# Those who cannot: the missing packages, then why not (after saying sudo will
# ask), then lines an administrator can paste. Nothing is installed or built.
for kind in refused nosudo; do
  for script in play test; do
    fresh
    if [ $kind = refused ]; then refusing_sudo; else rm -f "$bin/sudo"; fi
    run 1000 ./$script.sh
    [ "$status" -eq 1 ] || fail "$kind $script: status $status"
    has "libsdl2-mixer-dev" || fail "$kind $script: the missing packages are not named"
    ! has "Installing them with apt" && [ ! -e "$work/apt.log" ] && [ ! -e "$work/cmake.log" ] ||
      fail "$kind $script: went on: $(cat "$work/out")"
    has "Then run ./$script.sh again as yourself" || fail "$kind $script: no advice to run it again as oneself"
    if [ $kind = refused ]; then
      [ -n "$(line_of "sudo may ask")" ] && [ "$(line_of "sudo may ask")" -lt "$(line_of "[sudo] password")" ] ||
        fail "refused: sudo asked before it was said why"
    else
      ! has "sudo may ask" || fail "nosudo: promises a sudo that is not there"
      [ "$(line_of "    apt-get update && ")" -lt "$(line_of "    sudo sh -c ")" ] ||
        fail "nosudo $script: the line for a root shell is not offered first: $(cat "$work/out")"
    fi
    if [ "$script" = play ]; then
      ! has "clang" || fail "$kind play: names the test tools"
    else
      has "clang" || fail "$kind test: does not name the test tools"
    fi
  done
  # Both printed lines, pasted as printed by an administrator, install all of it.
  sudo_line=$(sed -n 's/^    \(sudo sh -c .*\)$/\1/p' "$work/out")
  root_line=$(sed -n 's/^    \(apt-get update && .*\)$/\1/p' "$work/out")
  [ -n "$sudo_line" ] && [ -n "$root_line" ] || fail "$kind: no lines to paste: $(cat "$work/out")"
  for line in "$sudo_line" "$root_line"; do
    rm -f "$work/installed" "$work/apt.log"
    allowing_sudo
    uid=1001
    [ "$line" = "$root_line" ] && uid=0
    (cd "$work" && FAKE_UID=$uid PATH=$bin bash -c "$line") >/dev/null 2>&1 || fail "$kind: pasting failed: $line"
    if [ $kind = refused ]; then refusing_sudo; else rm -f "$bin/sudo"; fi
    run 1000 ./test.sh
    [ "$status" -eq 0 ] && ! has "not installed" || fail "$kind: after pasting \"$line\": $(cat "$work/out")"
  done
done

# A build that fails shows all it printed, even with the routine hidden.
fresh
rm -f "$bin/sudo"
echo build-essential >"$work/installed"
FAKE_BUILD_FAIL=1 run 0 ./play.sh
[ "$status" -ne 0 ] && has "a.cpp:1: error: boom" && has "[1/9] Building CXX object a.o" ||
  fail "a failed build: status $status: $(cat "$work/out")"

# A build folder left by a run as root: said plainly, nothing run. Root
# writes anywhere, so this runs as nobody, where the machine allows it.
setpriv=$(command -v setpriv)
if [ -n "$setpriv" ] && [ "$(id -u)" -eq 0 ]; then
  fresh
  mkdir -p "$work/tree/build/release"
  chmod 755 "$work"
  chmod -R a+rX "$work/tree" "$bin"
  chmod a+w "$work/tree/build" # the release folder alone is root's
  (cd "$work/tree" && FAKE_UID=65534 PATH=$bin "$setpriv" --reuid=65534 --regid=65534 --clear-groups ./play.sh) \
    >"$work/out" 2>&1
  status=$?
  [ "$status" -eq 1 ] && has "$work/tree/build/release" && has "can be" && has "deleted" && [ ! -e "$work/cmake.log" ] ||
    fail "a root-owned build folder: status $status: $(cat "$work/out")"
  # A clone that is not the user's at all.
  rm -rf "$work/tree/build"
  (cd "$work/tree" && FAKE_UID=65534 PATH=$bin "$setpriv" --reuid=65534 --regid=65534 --clear-groups ./play.sh) \
    >"$work/out" 2>&1
  status=$?
  [ "$status" -eq 1 ] && has "You cannot write in $work/tree" || fail "a tree not the user's: status $status: $(cat "$work/out")"
else
  echo "not root: the root-owned build folder case is skipped"
fi

# The harnesses run side by side, never more than asked, each with the seed
# and time asked; a finding fails the run and is shown.
fresh
mkdir -p "$work/tree/build/fuzz/fuzz"
touch "$work/tree/build/fuzz/build.ninja" "$work/tree/build/fuzz/built"
printf '%s\n' CMAKE_BUILD_TYPE:STRING=RelWithDebInfo KARVELIN_TESTS:BOOL=OFF KARVELIN_FUZZ:BOOL=ON \
  >"$work/tree/build/fuzz/CMakeCache.txt"
printf 'A;B;C;D;E' >"$work/tree/build/fuzz/fuzz_targets.txt"
for t in A B C D E; do
  cat >"$work/tree/build/fuzz/fuzz/fuzz_$t" <<EOF
#!/bin/sh
echo "+ \$*" >>"$work/runs"
sleep 0.4
echo - >>"$work/runs"
[ $t != D ] || { echo "==1==ERROR: AddressSanitizer: heap-buffer-overflow"; exit 1; }
EOF
  chmod +x "$work/tree/build/fuzz/fuzz/fuzz_$t"
done
rm -f "$work/runs"
(cd "$work/tree" && FUZZ_JOBS=2 KARVELIN_FUZZ_SEED=1 PATH=$bin bash scripts/fuzz.sh 20) >"$work/out" 2>&1
status=$?
[ "$status" -eq 1 ] && has "heap-buffer-overflow" && has "fuzz findings in: D" || fail "fuzz finding: status $status"
[ "$(grep -c -- "-seed=1 .*-max_total_time=20\|-max_total_time=20 -seed=1" "$work/runs")" -eq 5 ] ||
  fail "fuzz: not every harness ran with the seed and time: $(cat "$work/runs")"
most=$(awk '/^\+/ { n++; if (n > m) m = n } /^-/ { n-- } END { print m }' "$work/runs")
[ "$most" = 2 ] || fail "fuzz: at most $most at once, asked for 2"

run 0 bash scripts/ensure-deps.sh nonsense
[ "$status" -eq 2 ] || fail "an unknown profile is refused: status $status"
run 0 bash scripts/ensure-deps.sh play "x' && rm -rf / #"
[ "$status" -eq 2 ] || fail "a name that is not a package name is refused: status $status"

if [ "$failures" -eq 0 ]; then echo "set-up scripts: all cases passed"; fi
exit $((failures > 0))
