#!/bin/sh
# Renders a MIDI file to a 44.1 kHz stereo WAVE with fluidsynth and the General MIDI soundfont,
# so the song can be measured and looked at without a sound card.
# Needs the Debian packages fluidsynth and fluid-soundfont-gm.
set -eu
if [ $# -ne 2 ]; then
    echo "usage: render-song.sh <song.mid> <out.wav>" >&2
    exit 2
fi
SOUNDFONT=${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
# -n: no MIDI input, -i: no shell, -q: quiet; gain chosen so a full mix keeps its headroom.
fluidsynth -n -i -q -g 0.5 -r 44100 -O s16 -T wav -F "$2" "$SOUNDFONT" "$1" </dev/null
