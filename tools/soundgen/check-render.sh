#!/bin/sh
# Checks a rendered song: at least a minute long, something heard in every 10 seconds of it,
# and no sample at full scale. Needs sox.
set -eu
if [ $# -ne 1 ]; then
    echo "usage: check-render.sh <song.wav>" >&2
    exit 2
fi
LEN=$(soxi -D "$1")
echo "length: $LEN s"
awk -v n="$LEN" 'BEGIN { exit !(n >= 60) }' || { echo "FAIL: shorter than a minute"; exit 1; }
PEAK=$(sox "$1" -n stats 2>&1 | awk '/^Pk lev dB/ { print $4 }')
echo "peak: $PEAK dBFS"
awk -v p="$PEAK" 'BEGIN { exit !(p < -0.5) }' || { echo "FAIL: clipped or at full scale"; exit 1; }
START=0
while awk -v s="$START" -v n="$LEN" 'BEGIN { exit !(s + 10 <= n) }'; do
    RMS=$(sox "$1" -n trim "$START" 10 stats 2>&1 | awk '/^RMS lev dB/ { print $4 }')
    echo "rms ${START}s..+10s: $RMS dBFS"
    awk -v r="$RMS" 'BEGIN { exit !(r > -35) }' || { echo "FAIL: near silence at ${START}s"; exit 1; }
    START=$((START + 10))
done
echo "song render ok"
