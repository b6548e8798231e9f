#!/bin/bash
# A private PulseAudio server with one null sink, for hearing the program under Wine in tests.
#   pulse.sh start <statedir>   starts it (socket <statedir>/pulse.sock) and prints the
#                               PULSE_SERVER value to export
#   pulse.sh stop <statedir>    ends exactly the server that start began, by its PID
# Sourced, tw_pulse_start/tw_pulse_stop do the same and export or unset PULSE_SERVER.
# What the program plays can be recorded from the sink's monitor, "tw_null.monitor".

tw_pulse_start() {
    local state=$1
    mkdir -p "$state/pulse"
    state=$(cd "$state" && pwd)
    local dir=$state/pulse
    tw_pulse_stop "$state" 2>/dev/null
    cat >"$dir/server.pa" <<EOF
load-module module-null-sink sink_name=tw_null rate=44100 channels=2
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/pulse.sock
set-default-sink tw_null
set-default-source tw_null.monitor
# A muted tone looped in at low latency keeps the sink rendering in small steps, so that its
# monitor gives silence in real time too, not in blocks of seconds.
load-module module-sine-source source_name=tw_tone rate=44100 frequency=440
load-module module-loopback source=tw_tone sink=tw_null latency_msec=5 source_dont_move=1 sink_dont_move=1
set-sink-input-mute 0 1
EOF
    rm -f "$dir/pulse.sock"
    # Its own home, runtime and config folders: nothing of a user's session is touched or used.
    mkdir -p "$dir/home" "$dir/runtime" "$dir/config"
    HOME=$dir/home XDG_CONFIG_HOME=$dir/config PULSE_RUNTIME_PATH=$dir/runtime \
        PULSE_STATE_PATH=$dir/runtime PULSE_CONFIG_PATH=$dir/config \
        pulseaudio -n -F "$dir/server.pa" --exit-idle-time=-1 --daemonize=no \
        --use-pid-file=no --disallow-exit --log-target=file:"$dir/pulse.log" \
        </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/pid"
    local i
    for i in $(seq 1 100); do
        [ -S "$dir/pulse.sock" ] &&
            PULSE_SERVER=unix:$dir/pulse.sock pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! PULSE_SERVER=unix:$dir/pulse.sock pactl info >/dev/null 2>&1; then
        echo "[pulse] the server did not start; see $dir/pulse.log" >&2
        tw_pulse_stop "$state"
        return 1
    fi
    # The sink starts out rendering two seconds ahead; recordings are only true to time once the
    # tone's low latency has taken over.
    for i in $(seq 1 50); do
        local us
        us=$(PULSE_SERVER=unix:$dir/pulse.sock pactl list sinks 2>/dev/null |
            sed -n 's/^[[:space:]]*Latency: \([0-9]*\) usec.*/\1/p' | head -1)
        [ -n "$us" ] && [ "$us" -lt 300000 ] && break
        sleep 0.1
    done
    export PULSE_SERVER=unix:$dir/pulse.sock
}

tw_pulse_stop() {
    local dir=$1/pulse
    if [ -f "$dir/pid" ]; then
        local pid
        pid=$(cat "$dir/pid")
        if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
            local i
            for i in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
        rm -f "$dir/pid" "$dir/pulse.sock"
    fi
    unset PULSE_SERVER
    return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    case ${1:-} in
    start)
        [ -n "${2:-}" ] || { echo "usage: pulse.sh start <statedir>" >&2; exit 2; }
        tw_pulse_start "$2" || exit 1
        echo "$PULSE_SERVER"
        ;;
    stop)
        [ -n "${2:-}" ] || { echo "usage: pulse.sh stop <statedir>" >&2; exit 2; }
        tw_pulse_stop "$2"
        ;;
    *)
        echo "usage: pulse.sh start|stop <statedir>" >&2
        exit 2
        ;;
    esac
fi
