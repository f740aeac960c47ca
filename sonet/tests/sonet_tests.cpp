// TPlay_Wave without a sound device: parsing (seen through Seek/Get_Pos) and silent players.
#include "TPlay_Wave.h"
#include "TestWave.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <climits>

namespace {

using st::Bytes;

long Length(TPlay_Wave& p) {  // Seek clamps to the end of the sound
    p.Seek(LONG_MAX);
    const long n = p.Get_Pos();
    p.Seek(0);
    return n;
}

TEST(SonetWave, LengthComesFromTheDataChunk) {
    const Bytes fmt = st::Fmt(WAVE_FORMAT_PCM, 2, 44100, 16);
    Bytes padded, dataFirst, cut;
    st::Chunk(padded, "LIST", Bytes(7, 'x'));  // odd sizes are padded
    st::Chunk(padded, "fmt ", fmt);
    st::Chunk(padded, "junk", Bytes(3, 'x'));
    st::Chunk(padded, "data", Bytes(4000, 1));
    st::Chunk(dataFirst, "data", Bytes(900, 0x80));
    st::Chunk(dataFirst, "fmt ", st::Fmt(WAVE_FORMAT_PCM, 1, 8000, 8));
    st::Chunk(cut, "fmt ", fmt);  // a recording cut short, ending in half a frame
    st::Chunk(cut, "data", Bytes(1998, 1), 0xFFFFFFF0);
    const std::pair<Bytes, long> cases[] = {{padded, 1000}, {dataFirst, 900}, {cut, 499}};
    for (const auto& [image, frames] : cases) {
        st::TempFile f(st::Riff(image));
        TPlay_Wave p(f.name(), 0);
        EXPECT_EQ(frames, Length(p));
        p.Seek(123);
        EXPECT_EQ(123, p.Get_Pos());
    }
}

TEST(SonetSilent, BadFilesGiveASilentPlayerThatChangeCanRevive) {
    const Bytes good = st::IndexedWave(1000);
    Bytes garbage(4000), notPcm, badAlign, oversized, fmt = st::Fmt(WAVE_FORMAT_PCM, 2, 44100, 16);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = (unsigned char)(i * 2654435761u >> 13);
    st::Chunk(notPcm, "fmt ", st::Fmt(3 /* float */, 2, 44100, 32));
    st::Chunk(oversized, "fmt ", fmt);
    st::Chunk(oversized, "LIST", Bytes(8, 'x'), 0xFFFFFFFF);  // runs past the end, hiding the data
    fmt[12] = 3;
    st::Chunk(badAlign, "fmt ", fmt);
    for (Bytes* b : {&notPcm, &badAlign, &oversized}) st::Chunk(*b, "data", Bytes(4000, 1)), *b = st::Riff(*b);
    st::TempFile goodFile(good);
    for (const Bytes& image : {garbage, Bytes(good.begin(), good.begin() + 30), notPcm, badAlign, oversized, Bytes()}) {
        st::TempFile f(image);
        const char* name = image.empty() ? "Z:\\no\\such\\M_KROPKA.WAV" : f.name();
        TPlay_Wave p(name, TPlay_Wave::OpenNow);
        EXPECT_EQ(0, Length(p)) << name;
        p.Play(), p.Hold(), p.Continue(), p.Seek(100);
        EXPECT_EQ(0, p.Get_Pos());
        EXPECT_EQ(0, p.Process(MM_WOM_DONE, 0));
        p.Stop(), p.Stop(), p.Open(), p.Play(), p.Close(), p.Close(), p.Change(nullptr), p.Play();
        p.Change(goodFile.name());
        EXPECT_EQ(1000, Length(p));
        p.Change(name);
        EXPECT_EQ(0, Length(p));
    }
}

TEST(SonetSilent, NoDeviceMakesPlayHarmlessAndFast) {
    if (waveOutGetNumDevs() != 0) GTEST_SKIP() << "this machine has a wave-out device";
    st::TempFile f(st::IndexedWave(44100));
    const DWORD t0 = GetTickCount();
    TPlay_Wave p(f.name(), TPlay_Wave::OpenNow);
    for (int i = 0; i < 50; ++i) p.Stop(), p.Seek(0), p.Play();  // the key widget's restart
    p.Open(), p.Play();
    EXPECT_LT(GetTickCount() - t0, 1000u);
    Sleep(100);
    EXPECT_EQ(0, p.Get_Pos());
}

}  // namespace
