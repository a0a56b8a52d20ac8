# Sourced from the top folder by play.sh, test.sh and the scripts they run.
# The routine output of apt and of the build goes to one log file; the
# terminal gets one line per step that has something to do, and the whole
# output of a step that fails.

# Set by steps_begin, or handed down by the script that started this one
# (one whose log is gone is not followed).
log=${KARVELIN_LOG:-}
[ -z "$log" ] || [ -f "$log" ] || log=

# steps_begin <name> <build folder...>: stops with a plain message when this
# user cannot write the build folders (a run as root leaves them root's, and
# CMake's own errors then say nothing useful), and starts build/<name>.log.
steps_begin() {
  local name=$1 dir blocked=
  shift
  if [ ! -e build ] && [ ! -w . ]; then
    echo "You cannot write in $PWD, where the build would go: use a copy of your own (git clone it into your home folder)." >&2
    exit 1
  fi
  if [ -e build ] && { [ ! -w build ] || [ ! -x build ]; }; then
    blocked=build
  else
    for dir in "$@"; do
      [ -e "$dir" ] || continue
      if [ -n "$(find "$dir" \( ! -writable -o ! -readable \) -print -quit 2>/dev/null)" ]; then
        blocked=$dir
        break
      fi
    done
  fi
  if [ -n "$blocked" ]; then
    {
      echo "The folder $PWD/$blocked holds files you cannot write: another user,"
      echo "root perhaps, built there. It holds only what a build made, so it can be"
      echo "deleted; this deletes it (as that user or an administrator):"
      echo
      printf '    sudo rm -rf %q\n' "$PWD/$blocked"
      echo
      echo "Then run ./$name.sh again as yourself."
    } >&2
    exit 1
  fi
  mkdir -p build
  log=build/$name.log
  rm -f "$log"
  : >"$log"
  export KARVELIN_LOG=$log
}

# Prints "$1" as the step's line; the first step also names the log.
steps_say() {
  if [ ! -s "$log" ]; then
    echo "(Routine output goes to $log.)"
  fi
  echo "$1"
  printf '\n== %s\n' "$1" >>"$log"
}

# Ends the script after a failed step: all the step's output, then why.
#   steps_fail <log offset where the step began> <step line> <status>
steps_fail() {
  {
    tail -c +"$(($1 + 1))" "$log"
    echo
    echo "Failed (status $3): $2"
    echo "The output above is also in $log."
  } >&2
  exit 1
}

# step <line> <command...>: runs the command with its output in the log.
step() {
  local title=$1 from status=0
  shift
  from=$(stat -c %s "$log")
  steps_say "$title"
  "$@" >>"$log" 2>&1 || status=$?
  [ "$status" -eq 0 ] || steps_fail "$from" "$title" "$status"
}

# build_step [--first <note>] <line> <build folder> <cmake option...> [-- <cmake --build option...>]
# Configures the folder the first time, then builds. The line is printed
# only when there is something to build, so a start with everything up to
# date says nothing; the note joins it only on the folder's first build.
# Compiler warnings are shown even when the build passes.
build_step() {
  local note=
  if [ "$1" = --first ]; then
    note=$2
    shift 2
  fi
  local title=$1 dir=$2 from status=0 said=
  shift 2
  local options=() args=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  args=("$@")
  if [ -n "$note" ] && [ ! -f "$dir/build.ninja" ]; then
    title="${title%...} ($note)..."
  fi
  from=$(stat -c %s "$log")
  if steps_configure_needed "$dir" "${options[@]}"; then
    steps_say "$title"
    said=1
    cmake -S . -B "$dir" -G Ninja "${options[@]}" >>"$log" 2>&1 || steps_fail "$from" "$title" $?
  fi
  cmake --build "$dir" "${args[@]}" 2>&1 | steps_watch "$title" "$said" || status=$?
  [ "$status" -eq 0 ] || steps_fail "$from" "$title" "$status"
  if grep -q ': warning: ' <(tail -c +"$((from + 1))" "$log"); then
    echo "Compiler warnings (in full in $log):"
    tail -c +"$((from + 1))" "$log" | steps_warnings
  fi
}

# Each compiler warning once, paths in this tree shown from its top. A
# warning raised inside a system header (inlined there from our code) is
# followed by the line of ours it came from, which the compiler names in
# the lines before it.
steps_warnings() {
  awk -v top="$PWD/" '
    # The last "file:line" of this tree on a line (absolute, or relative to
    # the build folder when a compiler cache rewrote the paths).
    function ours(line,   n, f, i) {
      n = split(relative(line), f, " ")
      for (i = n; i > 0; i--)
        if (f[i] ~ /^[A-Za-z0-9_.+-][A-Za-z0-9_.\/+-]*:[0-9]+(:[0-9]+)?[:,]?$/) {
          sub(/[:,]$/, "", f[i])
          return f[i]
        }
      return ""
    }
    function relative(line,   i) {
      while ((i = index(line, top)) > 0)
        line = substr(line, 1, i - 1) substr(line, i + length(top))
      return line
    }
    /: (error|note): / { where = ""; next }
    /: warning: / {
      text = relative($0)
      if (substr(text, 1, 1) == "/" && where != "")
        text = text "\n    (from " where ")"
      if (!(text in seen)) { seen[text] = 1; print text }
      where = ""
      next
    }
    /^\[[0-9]+\/[0-9]+\] / { where = ""; next }
    { o = ours($0); if (o != "") where = o }
  '
}

# True when the folder is new, its last configure failed (CMake writes
# build.ninja last) or its cache holds another value for a -DNAME=VALUE.
steps_configure_needed() {
  local dir=$1 option
  shift
  [ -f "$dir/build.ninja" ] || return 0
  for option in "$@"; do
    [[ $option == -D*=* ]] || continue
    option=${option#-D}
    local name=${option%%=*} value=${option#*=} type patterns=()
    for type in BOOL STRING PATH FILEPATH UNINITIALIZED; do patterns+=(-e "$name:$type=$value"); done
    grep -qxF "${patterns[@]}" "$dir/CMakeCache.txt" 2>/dev/null || return 0
  done
  return 1
}

# Copies the build's output into the log and prints the step's line at the
# first real build edge (ninja re-checks globbed folders on every start).
steps_watch() {
  local line said=$2
  while IFS= read -r line; do
    if [ -z "$said" ] && [[ $line =~ ^\[[0-9]+/[0-9]+\]\  ]] && [[ $line != *"Re-checking globbed directories"* ]]; then
      steps_say "$1"
      said=1
    fi
    printf '%s\n' "$line" >>"$log"
  done
}
