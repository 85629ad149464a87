#!/usr/bin/env bash
# Runs one end-to-end scenario: the real Kestrivar.exe under Wine on a private Xvfb display,
# driven from outside by kvdrive.exe, then the scenario's file checks.
#
# Usage: tests/e2e/run_scenario.sh BUILD_DIR SCENARIO
#   BUILD_DIR  the Windows build (holds Kestrivar.exe and tests/e2e/kvdrive.exe)
#   SCENARIO   name of tests/e2e/scenarios/SCENARIO.txt
# Exit status: 0 passed, 1 failed, 2 usage, 77 skipped (no Kestrivar.exe yet, or no Wine/Xvfb).
#
# Each run gets a fresh Wine prefix (a copy of a pristine one made once per build), its own copy
# of the demo game registered in it, and its own X display. Screenshots, logs and the files the
# program wrote are kept in BUILD_DIR/e2e-artifacts/SCENARIO/.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SCENARIO" >&2
  exit 2
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
name=$2
scenario=$here/scenarios/$name.txt
exe=${KV_E2E_EXE:-$build/Kestrivar.exe}
driver=$build/tests/e2e/kvdrive.exe

work=$build/e2e
pristine=$work/pristine-prefix
run=$work/runs/$name
prefix=$run/prefix
game=$run/HalvaneReach
artifacts=$build/e2e-artifacts/$name

say() { echo "e2e $name: $*"; }
skip() {
  say "SKIPPED: $*"
  exit 77
}

[ -f "$scenario" ] || { echo "no scenario $scenario" >&2; exit 2; }
[ -f "$exe" ] || skip "$exe is not built yet"
[ -f "$driver" ] || skip "$driver is not built"
source "$root/scripts/wine-select.sh"
for tool in wine wineserver wineboot Xvfb import; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/bootstrap.sh windows)"
done

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

started=$SECONDS
mark() { say "$1 ($((SECONDS - started)) s)"; }

# Host path as the program sees it through drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

# Directories a setup script made immutable (checks.sh make_immutable) get their flag back off
# when the run ends, and before an earlier run's directory is removed.
release_immutable() {
  [ -f "$run/immutable-paths" ] || return 0
  while IFS= read -r dir; do
    chattr -i "$dir" 2>/dev/null || true
  done <"$run/immutable-paths"
  rm -f "$run/immutable-paths"
}

# ---- display
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ] || [ -d "$prefix" ]; then
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  fi
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  release_immutable
}
trap cleanup EXIT

release_immutable
rm -rf "$run" "$artifacts"
mkdir -p "$run" "$artifacts"

# Xvfb picks a free display number itself and writes it to the given descriptor.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" \
  >"$artifacts/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  grep -q '[0-9]' "$run/display" 2>/dev/null && break
  kill -0 "$xvfb_pid" 2>/dev/null || { say "Xvfb did not start"; cat "$artifacts/xvfb.log"; exit 1; }
  sleep 0.05
done
grep -q '[0-9]' "$run/display" || { say "Xvfb gave no display number"; exit 1; }
export DISPLAY=:$(tr -dc '0-9' <"$run/display")

# ---- Wine prefix
# The pristine prefix, once per build: wineboot takes about 15 s.
# - Windows are drawn on a Wine virtual desktop, so that they get Wine's own caption bar and
#   frame: on a bare X display without a window manager a managed window has no caption at all.
# - Debian's Wine does not load the fonts of its fonts-wine package from where that package
#   puts them; copied into C:\windows\Fonts they replace the fallbacks ("MS Sans Serif" drawn
#   with DejaVu, the caption's close box drawn as the letter "r" for want of Marlett).
make_pristine() {
  (
    flock 9
    if [ ! -f "$pristine/.kv-ready" ]; then
      rm -rf "$pristine"
      export WINEPREFIX=$pristine
      wineboot -i >"$work/pristine-prefix.log" 2>&1 || true
      if [ -d /usr/share/wine/fonts ]; then
        mkdir -p "$pristine/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/* "$pristine/drive_c/windows/Fonts/"
      else
        echo "e2e: fonts-wine is not installed; screenshots use fallback fonts" >&2
      fi
      printf '%s\r\n' 'REGEDIT4' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' \
        >"$work/virtual-desktop.reg"
      wine regedit /S "$(windows_path "$work/virtual-desktop.reg")" >>"$work/pristine-prefix.log" 2>&1
      wineserver -w
      [ -f "$pristine/system.reg" ] || { echo "wineboot made no prefix" >&2; exit 1; }
      "$root/scripts/wine-sandbox.sh" "$pristine"
      touch "$pristine/.kv-ready"
    fi
  ) 9>"$work/pristine-prefix.lock"
}
mkdir -p "$work"
make_pristine
mark "pristine prefix ready"

# The copy shares the system directories' program files with the pristine prefix through hard
# links (they are only read); every other file is a copy of its own, because Wine rewrites some
# files in place (win.ini, system.ini).
cp -al "$pristine" "$prefix"
find "$prefix" -type f ! -path '*/drive_c/windows/system32/*' ! -path '*/drive_c/windows/syswow64/*' \
  ! -path '*/drive_c/windows/winsxs/*' -exec sh -c \
  'for f do cp -p "$f" "$f.kv-copy" && mv -f "$f.kv-copy" "$f"; done' sh {} +
rm -f "$prefix/.kv-ready"
export WINEPREFIX=$prefix

# The program may write scripts.ini: it gets a copy of the demo game, never the repository's.
cp -a "$root/demo/HalvaneReach" "$game"
"$root/scripts/register-demo.sh" "$prefix" "$game"
mark "prefix copied, demo game registered"

# Scenario environment for its setup and check scripts.
export KV_E2E_PREFIX=$prefix
export KV_E2E_DRIVE_C=$prefix/drive_c
export KV_E2E_GAME=$game
export KV_E2E_DEMO=$root/demo/HalvaneReach
export KV_E2E_ARTIFACTS=$artifacts
export KV_E2E_RUN=$run
export KV_E2E_BUILD=$build
if [ -f "$here/scenarios/$name.setup.sh" ]; then
  bash "$here/scenarios/$name.setup.sh"
fi

# ---- run
# A scenario is one or more phases: each '#@ restart [ARG ...]' line ends a phase and starts the
# program again in the same prefix, with its own arguments or, without any, those of '#@ args'.
# Each phase's driver script is the scenario with the other phases' lines blanked, so that the
# driver reports the line numbers of the scenario file.
first_args=$(sed -n 's/^#@ *args[[:space:]]*//p' "$scenario" | head -n 1 | tr -d '\r')
phases=$(($(grep -c '^#@ *restart' "$scenario" || true) + 1))
export KV_E2E_PHASES=$phases

phase_script() {
  awk -v want="$1" '/^#@ *restart/ { phase++ } { print (phase + 1 == want ? $0 : "") }' "$scenario"
}
phase_args() {
  if [ "$1" -eq 1 ]; then
    printf '%s' "$first_args"
  else
    local line
    line=$(grep '^#@ *restart' "$scenario" | sed -n "$(($1 - 1))p" | tr -d '\r')
    line=$(printf '%s' "$line" | sed 's/^#@ *restart[[:space:]]*//')
    printf '%s' "${line:-$first_args}"
  fi
}

status=0
run_phase() {
  local phase=$1 script=$scenario label="" args=()
  if [ "$phases" -gt 1 ]; then
    mkdir -p "$run/phase$phase"
    script=$run/phase$phase/$name.txt
    phase_script "$phase" >"$script"
    label=" (phase $phase of $phases)"
    echo "---- phase $phase" >>"$artifacts/kvdrive.log"
    echo "---- phase $phase" >>"$artifacts/kestrivar.log"
  fi
  local args_line
  args_line=$(phase_args "$phase")
  [ -z "$args_line" ] || read -r -a args <<<"$args_line"

  (cd "$run" && exec wine "$exe" "${args[@]}") >>"$artifacts/kestrivar.log" 2>&1 &
  app_pid=$!
  say "started Kestrivar.exe ${args[*]}$label"

  # kvdrive asks for screenshots on its standard output and waits for an answer on its input.
  local phase_status=0
  coproc DRIVER { cd "$run" && exec wine "$driver" --screenshots "$(windows_path "$script")" 2>&1; }
  local driver_pid=$DRIVER_PID
  exec 4<&"${DRIVER[0]}" 5>&"${DRIVER[1]}"
  # The loop ends when the driver has ended, not at the end of its output alone: Wine processes
  # that the driver's start-up brings up (a new session's explorer.exe) may inherit the pipe and
  # hold it open as long as the program runs, which it does after a failed step.
  local line pending="" shot x y w h read_status
  while :; do
    read_status=0
    IFS= read -r -t 0.5 line <&4 || read_status=$?
    if [ "$read_status" -gt 128 ]; then
      pending+=$line # a timeout keeps what it read of a line
      kill -0 "$driver_pid" 2>/dev/null || break
      continue
    fi
    [ "$read_status" -eq 0 ] || break
    line=$pending${line%$'\r'}
    pending=""
    echo "$line" >>"$artifacts/kvdrive.log"
    case $line in
      "@@kvdrive screenshot "*)
        read -r _ _ shot x y w h <<<"$line"
        if import -window root -crop "${w}x${h}+${x}+${y}" +repage "$artifacts/$shot.png" \
          2>>"$artifacts/import.log"; then
          say "screenshot $shot.png (${w}x${h})"
        else
          say "screenshot $shot failed"
          phase_status=1
        fi
        echo done >&5
        ;;
      *) echo "$line" ;;
    esac
  done
  exec 4<&- 5>&-
  wait "$driver_pid" || phase_status=1
  mark "driver finished$label (status $phase_status)"
  if [ "$phase_status" -ne 0 ]; then
    import -window root "$artifacts/failure.png" 2>>"$artifacts/import.log" &&
      say "screen at the failure: $artifacts/failure.png"
  fi

  # After a passing phase the program should end by itself; give it a deadline, then stop it.
  if [ "$phase_status" -eq 0 ]; then
    for _ in $(seq 100); do
      kill -0 "$app_pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  if kill -0 "$app_pid" 2>/dev/null; then
    say "Kestrivar.exe is still running; stopping Wine"
    wineserver -k || true
  fi
  local app_status=0
  wait "$app_pid" || app_status=$?
  app_pid=""
  say "Kestrivar.exe exit status $app_status$label"

  # The fleet file as this phase left it, for the checks of a scenario with several phases.
  if [ "$phases" -gt 1 ] && [ -f "$prefix/drive_c/Kestrivar.FLT" ]; then
    cp -a "$prefix/drive_c/Kestrivar.FLT" "$artifacts/Kestrivar.phase$phase.FLT"
  fi
  [ "$phase_status" -eq 0 ] || status=1
  return "$phase_status"
}

for phase in $(seq "$phases"); do
  run_phase "$phase" || break
done
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

# ---- files
cp -a "$game/Assets/Scripts/scripts.ini" "$artifacts/scripts.ini"
[ ! -f "$prefix/drive_c/Kestrivar.FLT" ] || cp -a "$prefix/drive_c/Kestrivar.FLT" "$artifacts/"
if [ -f "$here/scenarios/$name.check.sh" ]; then
  if bash "$here/scenarios/$name.check.sh" >"$artifacts/check.log" 2>&1; then
    say "file checks passed"
  else
    cat "$artifacts/check.log"
    say "file checks FAILED"
    status=1
  fi
fi

mark "$([ "$status" -eq 0 ] && echo PASSED || echo FAILED)"
exit "$status"
