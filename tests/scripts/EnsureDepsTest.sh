#!/usr/bin/env bash
# scripts/ensure-deps.sh as a newcomer meets it: with nothing installed, as a
# user without sudo, as one sudo refuses, and as root; what each profile
# installs. Commands are fakes on a PATH of their own.
set -uo pipefail
root=$1
script=$root/scripts/ensure-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

bin=$work/bin
mkdir -p "$bin"
for tool in grep env cat; do ln -s "$(command -v $tool)" "$bin/$tool"; done
# Nothing is installed.
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
# apt-get records what it was asked.
printf '#!/bin/sh\necho "$@" >>"%s/apt.log"\n' "$work" >"$bin/apt-get"
chmod +x "$bin"/*

# run <uid> <profile>: output in $work/out, status in $status
run() {
  printf '#!/bin/sh\n[ "$1" = -u ] && echo %s || echo user\n' "$1" >"$bin/id"
  chmod +x "$bin/id"
  rm -f "$work/apt.log"
  PATH=$bin "$BASH" "$script" "$2" >"$work/out" 2>&1
  status=$?
}

# A user without sudo: the advice and the exact install line, status 1, apt never run.
rm -f "$bin/sudo"
run 1000 play
[ "$status" -eq 1 ] || fail "no sudo: status $status"
grep -q "ask an administrator" "$work/out" || fail "no sudo: no advice"
grep -q "apt-get update && apt-get install -y build-essential .*libsdl2-mixer-dev" "$work/out" ||
  fail "no sudo: no install line"
[ ! -e "$work/apt.log" ] || fail "no sudo: apt-get ran"

# A user sudo refuses.
printf '#!/bin/sh\necho "user is not in the sudoers file." >&2\nexit 1\n' >"$bin/sudo"
chmod +x "$bin/sudo"
run 1000 test
[ "$status" -eq 1 ] || fail "sudo refused: status $status"
grep -q "apt-get install -y .*clang" "$work/out" || fail "sudo refused: no install line with the test tools"
rm -f "$bin/sudo"

# Root installs: playing needs no test, benchmark or fuzzing tools; testing does.
run 0 play
[ "$status" -eq 0 ] || fail "root play: status $status: $(cat "$work/out")"
install=$(grep install "$work/apt.log")
for p in libsdl2-dev libsdl2-mixer-dev fonts-liberation2 cmake; do
  [[ " $install " == *" $p "* ]] || fail "play lacks $p"
done
for p in libgtest-dev libbenchmark-dev clang libclang-rt-dev; do
  [[ " $install " != *" $p "* ]] || fail "play installs $p"
done
run 0 test
install=$(grep install "$work/apt.log")
for p in libsdl2-dev libgtest-dev libbenchmark-dev clang libclang-rt-dev; do
  [[ " $install " == *" $p "* ]] || fail "test lacks $p"
done

run 0 nonsense
[ "$status" -eq 2 ] || fail "an unknown profile is refused: status $status"

if [ "$failures" -eq 0 ]; then echo "ensure-deps: all cases passed"; fi
exit $((failures > 0))
