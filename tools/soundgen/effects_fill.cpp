// The fill start sounds: one family of short, bright, tuned sounds in a major pentatonic.
#include "effects_fill.h"

#include <cstddef>

namespace {

typedef void (*VoiceFn)(Signal&, double, double, double);

// Plays the notes one after another, dStep seconds apart, each a little softer.
void Arpeggio(Signal& sig, VoiceFn fnVoice, const int* anNotes, int nCount, double dStep,
              double dAmp, double dSoften) {
    for (int i = 0; i < nCount; i++) {
        fnVoice(sig, i * dStep, NoteFreq(anNotes[i]), dAmp);
        dAmp *= dSoften;
    }
}

// A short grace note from below leading into the main note.
void Grace(Signal& sig, VoiceFn fnVoice, int nGrace, int nMain) {
    fnVoice(sig, 0.0, NoteFreq(nGrace), 0.45);
    fnVoice(sig, 0.065, NoteFreq(nMain), 1.0);
}

void Bubbles(Signal& sig, const int* anNotes, int nCount, double dStep, double dLen) {
    for (int i = 0; i < nCount; i++) {
        const double f = NoteFreq(anNotes[i]);
        AddBubble(sig, i * dStep, f * 0.72, f * 1.08, dLen, 1.0);
    }
}

} // namespace

// Length in seconds of fill start sound nSound: 0.43..0.46, varied so no two families match.
double FillSoundLength(int nSound) {
    return 0.43 + 0.01 * (nSound % 4);
}

Signal MakeFillSignal(int nSound) {
    Signal sig(static_cast<std::size_t>(SecToSamples(FillSoundLength(nSound))), 0.0);
    switch (nSound) {
    // Marimba notes with a grace note.
    case 1:
        Grace(sig, AddMarimba, 67, 72);
        break;
    case 2:
        Grace(sig, AddMarimba, 72, 76);
        break;
    case 3:
        Grace(sig, AddMarimba, 74, 79);
        break;
    case 4:
        Grace(sig, AddMarimba, 76, 81);
        break;
    case 5:
        Grace(sig, AddMarimba, 79, 84);
        break;
    case 6:
        Grace(sig, AddMarimba, 72, 79);
        break;
    // Bubbles.
    case 7:
        AddBubble(sig, 0.0, 330, 620, 0.13, 1.0);
        break;
    case 8:
        AddBubble(sig, 0.0, 400, 700, 0.09, 1.0);
        AddBubble(sig, 0.11, 520, 900, 0.09, 0.9);
        break;
    case 9: {
        static const int an[] = {72, 76, 79};
        Bubbles(sig, an, 3, 0.08, 0.07);
        break;
    }
    case 10: {
        static const int an[] = {79, 76, 81, 84, 88};
        Bubbles(sig, an, 5, 0.055, 0.05);
        break;
    }
    case 11:
        AddBubble(sig, 0.0, 220, 420, 0.15, 1.0);
        AddBubble(sig, 0.17, 900, 1500, 0.05, 0.5);
        break;
    case 12: {
        static const int an[] = {72, 76, 79, 84};
        Bubbles(sig, an, 4, 0.07, 0.06);
        AddGlockenspiel(sig, 0.28, NoteFreq(96), 0.25);
        break;
    }
    // Soft bells.
    case 13:
        AddBell(sig, 0.0, NoteFreq(79), 0.6);
        AddBell(sig, 0.0, NoteFreq(84), 0.6);
        break;
    case 14:
        AddBell(sig, 0.0, NoteFreq(88), 0.8);
        AddMarimba(sig, 0.0, NoteFreq(76), 0.3);
        break;
    case 15:
        AddBell(sig, 0.0, NoteFreq(79), 0.7);
        AddBell(sig, 0.12, NoteFreq(84), 0.8);
        break;
    case 16:
        AddBell(sig, 0.0, NoteFreq(81), 0.7);
        AddBell(sig, 0.12, NoteFreq(88), 0.8);
        break;
    case 17: {
        static const int an[] = {91, 88, 84};
        Arpeggio(sig, AddBell, an, 3, 0.08, 0.6, 1.0);
        break;
    }
    case 18:
        AddBell(sig, 0.0, NoteFreq(86), 0.6);
        AddBell(sig, 0.03, NoteFreq(93), 0.45);
        break;
    // Xylophone and glockenspiel.
    case 19: {
        static const int an[] = {72, 76, 79};
        Arpeggio(sig, AddXylophone, an, 3, 0.05, 0.8, 1.0);
        break;
    }
    case 20:
        AddGlockenspiel(sig, 0.0, NoteFreq(91), 0.8);
        AddGlockenspiel(sig, 0.18, NoteFreq(91), 0.35);
        break;
    case 21:
        AddXylophone(sig, 0.0, NoteFreq(74), 0.8);
        AddXylophone(sig, 0.1, NoteFreq(86), 0.8);
        break;
    case 22: {
        static const int an[] = {84, 88, 91, 96};
        Arpeggio(sig, AddGlockenspiel, an, 4, 0.05, 0.8, 0.8);
        break;
    }
    case 23: {
        static const int an[] = {69, 76, 81};
        Arpeggio(sig, AddXylophone, an, 3, 0.07, 0.8, 1.0);
        break;
    }
    case 24:
        AddGlockenspiel(sig, 0.0, NoteFreq(88), 0.7);
        AddGlockenspiel(sig, 0.13, NoteFreq(93), 0.8);
        break;
    // Glissandi.
    case 25: {
        static const int an[] = {72, 74, 76, 79, 81, 84, 86, 88};
        Arpeggio(sig, AddHarp, an, 8, 0.035, 0.6, 1.0);
        break;
    }
    case 26: {
        static const int an[] = {67, 69, 72, 74, 76, 79};
        Arpeggio(sig, AddMarimba, an, 6, 0.04, 0.7, 1.0);
        break;
    }
    case 27: {
        static const int an[] = {76, 79, 81, 84, 86, 88};
        Arpeggio(sig, AddKalimba, an, 6, 0.045, 0.7, 1.0);
        break;
    }
    case 28:
        AddSlide(sig, 0.0, 392, 784, 0.32, 0.7);
        AddKalimba(sig, 0.29, NoteFreq(79), 0.5);
        break;
    case 29: {
        static const int an[] = {67, 69, 71, 74, 76, 79, 81, 83, 86};
        Arpeggio(sig, AddHarp, an, 9, 0.03, 0.6, 1.0);
        break;
    }
    case 30: {
        static const int an[] = {84, 86, 88, 91, 93, 96};
        Arpeggio(sig, AddBell, an, 6, 0.03, 0.5, 0.92);
        break;
    }
    // Thumb piano, music box and a little chord.
    case 31:
        AddKalimba(sig, 0.0, NoteFreq(72), 0.8);
        AddKalimba(sig, 0.02, NoteFreq(79), 0.6);
        break;
    case 32:
        AddKalimba(sig, 0.0, NoteFreq(76), 0.8);
        AddKalimba(sig, 0.12, NoteFreq(81), 0.8);
        break;
    case 33: {
        static const int an[] = {81, 84, 88};
        Arpeggio(sig, AddGlockenspiel, an, 3, 0.08, 0.7, 0.9);
        break;
    }
    case 34: {
        static const int an[] = {72, 76, 79, 84};
        Arpeggio(sig, AddTine, an, 4, 0.015, 0.4, 1.0);
        break;
    }
    default:
        break;
    }
    return sig;
}
