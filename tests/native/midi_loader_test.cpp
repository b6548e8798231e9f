// The MIDI file loader: what it accepts, and the exact message for everything it refuses.
#include "native/midi_builder.h"

#include <gtest/gtest.h>

namespace {

const char kHeaderRead[] = "Error encountered when reading the MIDI file header.";
const char kHeaderChunk[] = "Error encountered when reading the MIDI header chunk.";
const char kSmpte[] = "The SMPTE time codes used in this file are not supported by this program.";
const char kInconsistent[] = "Error due to inconsistent information in MIDI header chunk.";
const char kUnsupported[] = "The format of this MIDI file is not supported by this program.";
const char kNoMemory[] = "Error encountered when allocating memory for this file.";
const char kTrackRead[] = "Error encountered when reading track chunk.";

const uint32_t kMaxDelta = (1u << 30) - 1;

Bytes OneTrackFile(const Bytes& track) {
    return SongOf({track});
}

struct Refusal {
    const char* lpszWhat;
    Bytes file;
    const char* lpszMessage;
};

void ExpectRefusals(const std::vector<Refusal>& cases) {
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        LoadedSong s(c.file);
        EXPECT_EQ(s.Error(), c.lpszMessage);
        EXPECT_EQ(s.song.pTracks, nullptr) << "a refused file leaves the song owning nothing";
    }
}

TEST(MidiLoader, RefusesBadHeadersWithTheirMessages) {
    Bytes good = SongOf({kEndOfTrack});
    ExpectRefusals({
        {"empty file", {}, kHeaderRead},
        {"13 bytes", Bytes(good.begin(), good.begin() + 13), kHeaderRead},
        {"RIFF without room for a header", Cat({{'R', 'I', 'F', 'F'}, Bytes(20, 0)}), kHeaderRead},
        {"RIFF inside RIFF", MidiBuilder().Raw(MidiBuilder().Raw(good).Riff()).Riff(),
         kHeaderChunk},
        {"header length 8", MidiBuilder().Header(1, 1, 96, 8).Track(kEndOfTrack).bytes,
         kHeaderChunk},
        {"header length 5", MidiBuilder().Header(1, 1, 96, 5).Track(kEndOfTrack).bytes,
         kHeaderChunk},
        {"other chunk id", MidiBuilder().Chunk("MThx", Bytes(6, 0), 6).bytes, kHeaderChunk},
        {"SMPTE, format 1", MidiBuilder().Header(1, 1, 0xE728).Track(kEndOfTrack).bytes, kSmpte},
        {"SMPTE before a bad format", MidiBuilder().Header(3, 1, 0x8000).bytes, kSmpte},
        {"format 0, two tracks", MidiBuilder().Header(0, 2, 96).bytes, kInconsistent},
        {"format 0, no track", MidiBuilder().Header(0, 0, 96).bytes, kInconsistent},
        {"format 2", MidiBuilder().Header(2, 1, 96).Track(kEndOfTrack).bytes, kUnsupported},
        {"format 3", MidiBuilder().Header(3, 1, 96).Track(kEndOfTrack).bytes, kInconsistent},
        {"format -1", MidiBuilder().Header(0xFFFF, 1, 96).bytes, kInconsistent},
        {"track count 0x8000", MidiBuilder().Header(1, 0x8000, 96).bytes, kNoMemory},
    });
}

TEST(MidiLoader, RefusesMissingOrForeignTrackChunks) {
    ExpectRefusals({
        {"foreign chunk before the track",
         MidiBuilder().Header(1, 1, 96).Chunk("XFIR", Bytes(4, 0), 4).Track(kEndOfTrack).bytes,
         kTrackRead},
        {"second track missing", MidiBuilder().Header(1, 2, 96).Track(kEndOfTrack).bytes,
         kTrackRead},
        {"chunk header cut short",
         MidiBuilder().Header(1, 1, 96).Raw({'M', 'T', 'r', 'k', 0}).bytes, kTrackRead},
        {"track longer than the file",
         MidiBuilder().Header(1, 1, 96).Chunk("MTrk", kEndOfTrack, 100).bytes, kTrackRead},
        {"track of 4 GB",
         MidiBuilder().Header(1, 1, 96).Chunk("MTrk", kEndOfTrack, 0xFFFFFFFF).bytes, kTrackRead},
        {"fault in the second track, after the first was kept", SongOf({kEndOfTrack, {0x00, 0x90}}),
         "Error encountered in file: Track 1 Offset 2: Message first data byte problem."},
    });
}

TEST(MidiLoader, NamesTheTrackAndOffsetOfEveryFault) {
    const Bytes kSum = Cat({VarLen(kMaxDelta),
                            {0x90, 0x40, 0x40},
                            VarLen(kMaxDelta),
                            {0x40, 0x00},
                            VarLen(2),
                            {0xFF, 0x2F, 0x00}});
    struct {
        Bytes track;
        const char* lpszMessage;
    } cases[] = {
        {{}, "Track 0 Offset 0: Delta-time problem."},
        {{0x00, 0x90, 0x40, 0x40}, "Track 0 Offset 4: Delta-time problem."},
        {{0x84, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00}, "Track 0 Offset 4: Delta-time problem."},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "Track 0 Offset 4: Delta-time problem."},
        {{0x81}, "Track 0 Offset 1: Delta-time problem."},
        {kSum, "Track 0 Offset 16: Total ticks can't fit in integer."},
        {{0x00}, "Track 0 Offset 1: First byte problem."},
        {{0x00, 0xFF}, "Track 0 Offset 2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x01}, "Track 0 Offset 3: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x7F, 0x81}, "Track 0 Offset 4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x05, 'a'}, "Track 0 Offset 5: Variable-length data on meta-event."},
        {{0x00, 0xFF, 0x51}, "Track 0 Offset 3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x51, 0x03, 0x07}, "Track 0 Offset 5: Data problem on meta-event."},
        {{0x00, 0xF0}, "Track 0 Offset 2: Variable-length problem on SysEx message."},
        {{0x00, 0xF7, 0x05, 0x01}, "Track 0 Offset 4 Variable-Length data on SysEx message."},
        {{0x00, 0xF1}, "Track 0 Offset 2: Incorrect first byte."},
        {{0x00, 0xFE}, "Track 0 Offset 2: Incorrect first byte."},
        {{0x00, 0x90, 0x80}, "Track 0 Offset 3: Message first data byte problem."},
        {{0x00, 0xC0}, "Track 0 Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x40}, "Track 0 Offset 3: Message second data byte problem."},
        {{0x00, 0xB0, 0x07, 0xFF}, "Track 0 Offset 4: Message second data byte problem."},
        // A program change takes one data byte: the 0x06 is the next delta time.
        {{0x00, 0xC0, 0x05, 0x06}, "Track 0 Offset 4: First byte problem."},
        {{0x00, 0xD0, 0x05, 0x06}, "Track 0 Offset 4: First byte problem."},
        // Data bytes before any status byte are taken as a message with two data bytes.
        {{0x00, 0x40, 0xFF, 0x2F, 0x00}, "Track 0 Offset 3: Message second data byte problem."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszMessage);
        LoadedSong s(OneTrackFile(c.track));
        EXPECT_EQ(s.Error(), std::string("Error encountered in file: ") + c.lpszMessage);
        EXPECT_EQ(s.song.pTracks, nullptr);
    }
}

TEST(MidiLoader, AcceptsEveryEventKindAndKeepsTheTrackBytes) {
    Bytes track = Cat({
        {0x00, 0x40, 0x40},       // data bytes before any status byte
        {0x00, 0xC0, 0x05},       // program change: one data byte
        {0x0A, 0x06},             // running status on it
        {0x00, 0x90, 0x40, 0x40}, // note on
        {0x00, 0xFF, 0x01, 0x00}, // text meta, empty
        {0x00, 0xF0, 0x01, 0xF7}, // SysEx
        {0x14, 0x41, 0x40},       // running status survives meta and SysEx
        {0x00, 0xFF, 0x7F},
        VarLen(200),
        Bytes(200, 0x55), // sequencer-specific, two-byte length
        {0x00, 0xFF, 0x07, 0x81},
        Bytes(129, 'x'),                            // other meta: a single length byte
        {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}, // tempo
        {0x05, 0xFF, 0x2F},                         // end of track without its length byte...
        {0xF5, 0xF5, 0x90}, // ...and bytes behind it that are never looked at
    });
    LoadedSong s(OneTrackFile(track));
    ASSERT_EQ(s.Error(), "");
    EXPECT_EQ(s.song.wFormat, 1);
    EXPECT_EQ(s.song.nTracks, 1);
    EXPECT_EQ(s.song.wDivision, 96);
    EXPECT_EQ(s.song.dwTempo, 500000u);
    ASSERT_NE(s.song.pTracks, nullptr);
    const MidiTrack& t = s.song.pTracks[0];
    EXPECT_EQ(t.nTotalTicks, 0x0A + 0x14 + 0x05);
    ASSERT_EQ(t.cbData, track.size());
    EXPECT_EQ(Bytes(t.lpData, t.lpData + t.cbData), track);
    EXPECT_EQ(t.lpCur, nullptr);
    EXPECT_EQ(t.bStatus, 0);
}

TEST(MidiLoader, DeltaTimesUpToTheLimitAndTheirSum) {
    struct {
        Bytes track;
        int32_t nTotal;
    } cases[] = {
        {Cat({VarLen(kMaxDelta), {0xFF, 0x2F, 0x00}}), (int32_t)kMaxDelta},
        {{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x05, 0xFF, 0x2F, 0x00}, 5},
        {{0x83, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00}, (int32_t)kMaxDelta},
        {Cat({VarLen(kMaxDelta),
              {0x90, 0x40, 0x40},
              VarLen(kMaxDelta),
              {0x40, 0x00},
              VarLen(1),
              {0xFF, 0x2F, 0x00}}),
         0x7FFFFFFF},
    };
    for (const auto& c : cases) {
        LoadedSong s(OneTrackFile(c.track));
        ASSERT_EQ(s.Error(), "");
        EXPECT_EQ(s.song.pTracks[0].nTotalTicks, c.nTotal);
    }
}

TEST(MidiLoader, HeaderVariantsThatLoad) {
    Bytes bare = SongOf({kEndOfTrack, Cat({{0x60, 0x90, 0x3C, 0x40}, kEndOfTrack})});
    LoadedSong plain(bare);
    LoadedSong riff(MidiBuilder().Raw(bare).Riff());
    ASSERT_EQ(plain.Error(), "");
    ASSERT_EQ(riff.Error(), "");
    ASSERT_EQ(riff.song.nTracks, 2);
    for (int i = 0; i < 2; i++) {
        const MidiTrack& a = plain.song.pTracks[i];
        const MidiTrack& b = riff.song.pTracks[i];
        EXPECT_EQ(Bytes(a.lpData, a.lpData + a.cbData), Bytes(b.lpData, b.lpData + b.cbData));
        EXPECT_EQ(a.nTotalTicks, b.nTotalTicks);
    }

    LoadedSong none(MidiBuilder().Header(1, 0, 96).bytes);
    EXPECT_EQ(none.Error(), "");
    EXPECT_EQ(none.song.nTracks, 0);
    EXPECT_EQ(none.song.dwTempo, 500000u);

    LoadedSong zero(SongOf({kEndOfTrack}, 0));
    EXPECT_EQ(zero.Error(), "");
    EXPECT_EQ(zero.song.wDivision, 0);

    LoadedSong fmt0(
        MidiBuilder().Header(0, 1, 480).Track(kEndOfTrack).Raw({'j', 'u', 'n', 'k'}).bytes);
    EXPECT_EQ(fmt0.Error(), "") << "whatever follows the last counted track is not read";
    EXPECT_EQ(fmt0.song.wFormat, 0);
}

} // namespace
