#!/bin/bash
# A private CUPS server with one PDF queue, the default printer of the test session's Wine.
#
#   source tools/cups.sh
#   tw_cups_start build/state/cups   # before tw_session_start: Wine lists the queue at start-up
#   ...                              # PDFs land in $TW_CUPS_OUT
#   tw_cups_stop
#
# or, from another script: `bash tools/cups.sh start DIR` (prints the variables to export) and
# `bash tools/cups.sh stop DIR`. The server has its own configuration, spool, log, socket and
# PID file under DIR and no TCP port; it is stopped by its PID only. The PDF backend reads its
# settings from /etc/cups only, so the queue's settings file there carries the server's PID in
# its name and goes away with the server.

tw_cups_log() { echo "[cups] $*" >&2; }

tw_cups_start() {
    local state=$1
    [ -n "$state" ] || { tw_cups_log "usage: tw_cups_start DIR"; return 2; }
    for tool in cupsd lpadmin lpstat; do
        command -v $tool >/dev/null || [ -x /usr/sbin/$tool ] || {
            tw_cups_log "$tool missing: apt-get install cups cups-client cups-bsd printer-driver-cups-pdf"
            return 1
        }
    done
    [ -x /usr/lib/cups/backend/cups-pdf ] || { tw_cups_log "cups-pdf backend missing"; return 1; }
    [ "$(id -u)" -eq 0 ] || { tw_cups_log "the PDF backend runs only for a server started as root"; return 1; }

    mkdir -p "$state"
    state=$(cd "$state" && pwd)
    tw_cups_stop_dir "$state"
    rm -rf "$state/etc" "$state/spool" "$state/cache" "$state/run" "$state/log" "$state/pdf-spool"
    mkdir -p "$state/etc/ppd" "$state/spool/tmp" "$state/cache" "$state/run" "$state/log" \
        "$state/out" "$state/pdf-spool"
    chmod 0755 "$state/out"
    chmod 0710 "$state/spool"
    chmod 1777 "$state/spool/tmp" "$state/pdf-spool"
    local sock=$state/run/cups.sock

    cat >"$state/etc/cupsd.conf" <<EOF
Listen $sock
LogLevel warn
MaxLogSize 0
Browsing No
DefaultAuthType None
WebInterface No
JobRetryLimit 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$state/etc/cups-files.conf" <<EOF
ServerRoot $state/etc
RequestRoot $state/spool
TempDir $state/spool/tmp
CacheDir $state/cache
StateDir $state/run
AccessLog $state/log/access_log
ErrorLog $state/log/error_log
PageLog $state/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
FileDevice No
EOF

    /usr/sbin/cupsd -f -c "$state/etc/cupsd.conf" -s "$state/etc/cups-files.conf" \
        </dev/null >"$state/log/cupsd.out" 2>&1 &
    local pid=$!
    echo $pid >"$state/cupsd.pid"
    local i
    for i in $(seq 1 100); do
        [ -S "$sock" ] && break
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -S "$sock" ]; then
        tw_cups_log "cupsd did not start:"
        cat "$state/log/cupsd.out" "$state/log/error_log" 2>/dev/null | tail -5 >&2
        tw_cups_stop_dir "$state"
        return 1
    fi

    # The queue: cups-pdf with a settings file of its own naming the output folder.
    local conf=tw3-$pid
    cat >"/etc/cups/cups-pdf-$conf.conf" <<EOF
Out $state/out
AnonDirName $state/out
Spool $state/pdf-spool
Log $state/log
Label 0
TitlePref 0
UserUMask 0022
Grp root
EOF
    echo "$conf" >"$state/pdf-conf"
    export CUPS_SERVER=$sock
    lpadmin -p TintwellPDF -E -v "cups-pdf:/$conf" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd &&
        lpadmin -d TintwellPDF || {
        tw_cups_log "the PDF queue could not be made"
        tw_cups_stop_dir "$state"
        unset CUPS_SERVER
        return 1
    }
    export TW_CUPS_STATE=$state TW_CUPS_OUT=$state/out TW_CUPS_QUEUE=TintwellPDF
    tw_cups_log "cupsd $pid on $sock, PDFs in $state/out"
}

# Stops the server whose PID file is in the folder, and removes its queue settings.
tw_cups_stop_dir() {
    local state=$1
    if [ -f "$state/cupsd.pid" ]; then
        local pid
        pid=$(cat "$state/cupsd.pid")
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null &&
            grep -q cupsd "/proc/$pid/cmdline" 2>/dev/null; then
            kill "$pid"
            local i
            for i in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
        rm -f "$state/cupsd.pid"
    fi
    if [ -f "$state/pdf-conf" ]; then
        rm -f "/etc/cups/cups-pdf-$(cat "$state/pdf-conf").conf"
        rm -f "$state/pdf-conf"
    fi
}

tw_cups_stop() {
    [ -n "${TW_CUPS_STATE:-}" ] && tw_cups_stop_dir "$TW_CUPS_STATE"
    unset CUPS_SERVER TW_CUPS_STATE TW_CUPS_OUT TW_CUPS_QUEUE
    return 0
}

# Run as a command: start prints the variables to export, stop takes the same folder.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    case ${1:-} in
    start)
        tw_cups_start "$2" || exit 1
        echo "export CUPS_SERVER=$CUPS_SERVER TW_CUPS_STATE=$TW_CUPS_STATE TW_CUPS_OUT=$TW_CUPS_OUT TW_CUPS_QUEUE=$TW_CUPS_QUEUE"
        ;;
    stop)
        state=$(cd "${2:?usage: cups.sh stop DIR}" 2>/dev/null && pwd) || exit 0
        tw_cups_stop_dir "$state"
        ;;
    *)
        echo "usage: cups.sh start|stop DIR" >&2
        exit 2
        ;;
    esac
fi
