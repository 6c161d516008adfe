#!/usr/bin/env bash
# Plays the game by keyboard under the real Orca and writes what Orca asked
# the speech server to say, and when, for tools/orca_check.py to judge.
#
#     dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
#         bash tools/orca_check.sh build/orbel-chess KEYS OUT
#
# KEYS is a script of steps (tools/orca_keys/*.keys): "key NAME...",
# "type TEXT", "sleep SECONDS". Beside it, NAME.conf is the game's settings
# file, NAME.KRV a saved game it opens at start and NAME.lang the locale the
# game runs in (LANG), when they exist. OUT is
# a folder: speech.log (the speech server's own log), keys.log (each step
# and when it ran) and orca.log.
# Everything runs inside this session: a sound server with only a null sink,
# the speech server with espeak-ng on it, a window manager, Orca, the game.
set -euo pipefail
game=$(realpath "$1")
keys=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" && install -d -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8

# Nowhere to play: the speech server still speaks in real time into it.
pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
  -L module-null-sink -L module-native-protocol-unix >"$out/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# Level 5 logs each message queued, begun, ended and cancelled.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 5
LogDir "$out"
AudioOutputMethod "pulse"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
Include "/etc/speech-dispatcher/clients/*.conf"
CONF
rm -f "$out/speech-dispatcher.log"

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
orca --replace --debug-file="$out/orca.log" >/dev/null 2>&1 &
pids+=($!)
sleep 4

settings=${keys%.keys}.conf saved=${keys%.keys}.KRV language=${keys%.keys}.lang
game_lang=C.UTF-8
if [ -f "$language" ]; then game_lang=$(cat "$language"); fi
if [ -f "$settings" ]; then mkdir -p "$XDG_CONFIG_HOME/Tessaly" && cp "$settings" "$XDG_CONFIG_HOME/Tessaly/Orbel Chess.conf"; fi
args=()
if [ -f "$saved" ]; then args=("$saved"); fi
LANG=$game_lang QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" "${args[@]}" >"$out/game.log" 2>&1 &
pids+=($!)
game_pid=$!

: >"$out/keys.log"
stamp() { echo "$(date +%s.%N) $*" >>"$out/keys.log"; }
window() { xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | tail -1; }
window >/dev/null
sleep 3
while read -r verb rest; do
  case $verb in
    ''|'#'*) ;;
    key) for k in $rest; do stamp "KEY $k"; xdotool key --clearmodifiers "$k"; sleep 0.15; done ;;
    type) stamp "TYPE $rest"; xdotool type --delay 60 "$rest" ;;
    sleep) sleep "$rest" ;;
    *) echo "orca_check.sh: unknown step '$verb'" >&2; exit 2 ;;
  esac
done <"$keys"
sleep 2
stamp END
