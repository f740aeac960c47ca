// What the widget plays reaches the wave device. alsa_capture.sh points ALSA's default device at one
// file per sample rate; the dot sound is written at 22050 Hz and the dash at 44100 Hz, so each
// lands in its own file. Their frames name their own index, so the captured files read back as
// runs of frames: where each sound started and where it stopped.
#include "MorseTestUtil.h"

#include <KelmTest.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using Runs = std::vector<std::pair<long, long>>;  // first and last frame index of each run

const long kDotRate = 22050, kDashRate = 44100;
const long kDotFrames = 4 * kDotRate, kDashFrames = 4 * kDashRate;  // 4 s each

void Put(Bytes& b, uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b.push_back((v >> 8 * i) & 0xFF);
}

// 16-bit stereo frames that name their index: left 1 + i % 32000, right -(1 + i / 32000).
Bytes IndexedWave(uint32_t rate, uint32_t frames) {
    Bytes b = {'R', 'I', 'F', 'F'};
    Put(b, 36 + frames * 4, 4);
    for (char c : std::string("WAVEfmt ")) b.push_back(c);
    Put(b, 16, 4);
    Put(b, WAVE_FORMAT_PCM, 2), Put(b, 2, 2), Put(b, rate, 4), Put(b, rate * 4, 4), Put(b, 4, 2), Put(b, 16, 2);
    for (char c : std::string("data")) b.push_back(c);
    Put(b, frames * 4, 4);
    for (uint32_t i = 0; i < frames; ++i) Put(b, 1 + i % 32000, 2), Put(b, uint32_t(-int(1 + i / 32000)), 2);
    return b;
}

std::string CaptureDir() {
    const char* dir = std::getenv("KELM_CAPTURE_DIR");
    return dir ? std::string("Z:") + dir + "\\" : std::string();
}

Bytes ReadAll(const std::string& name) {
    HANDLE h = ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return Bytes();
    Bytes b(::GetFileSize(h, nullptr));
    DWORD got = 0;
    ::ReadFile(h, b.data(), DWORD(b.size()), &got, nullptr);
    ::CloseHandle(h);
    b.resize(got);
    return b;
}

void WriteAll(const std::string& name, const Bytes& b) {
    HANDLE h = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    ::WriteFile(h, b.data(), DWORD(b.size()), &done, nullptr);
    ::CloseHandle(h);
}

// The runs of consecutive frames in a captured file (after the plugin's 44-byte header);
// silence splits runs.
Runs Captured(long rate) {
    const Bytes b = ReadAll(CaptureDir() + "played-" + std::to_string(rate) + ".wav");
    Runs runs;
    long last = -2;
    for (size_t at = 44; at + 4 <= b.size(); at += 4) {
        const int16_t left = int16_t(b[at] | b[at + 1] << 8), right = int16_t(b[at + 2] | b[at + 3] << 8);
        const long i = left < 1 || left > 32000 || right > -1 ? -1 : long(-right - 1) * 32000 + (left - 1);
        if (i >= 0 && i == last + 1)
            runs.back().second = i;
        else if (i >= 0)
            runs.push_back({i, i});
        last = i < 0 ? -2 : i;
    }
    return runs;
}

std::string Describe(const Runs& runs) {
    std::string s;
    for (const auto& r : runs) s += std::to_string(r.first) + ".." + std::to_string(r.second) + " ";
    return s;
}

class TapkeyCapture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(CaptureDir().empty()) << "run through alsa_capture.sh";
        ASSERT_GT(::waveOutGetNumDevs(), 0u) << "the capture device did not appear";
        // Sounds much longer than their elements, so that a cut shows; in a folder of their own.
        dir = CaptureDir() + "sounds\\";
        ::CreateDirectoryA(dir.c_str(), nullptr);
        WriteAll(dir + "M_KROPKA.WAV", IndexedWave(kDotRate, kDotFrames));
        WriteAll(dir + "M_KRESKA.WAV", IndexedWave(kDashRate, kDashFrames));
        host.reset(new kt::HostWindow(mt::kHostW, mt::kHostH));
        widget.reset(new T_morse(::GetModuleHandleA(nullptr), *host, &dir[0], mt::kWidgetX, mt::kWidgetY, 330, 425,
                                 0, 0, 0, 0));
        kt::PumpFor(100);
    }
    void TearDown() override {
        widget.reset();
        host.reset();
    }

    std::string dir;
    std::unique_ptr<kt::HostWindow> host;
    std::unique_ptr<T_morse> widget;
};

TEST_F(TapkeyCapture, SoundsRestartFromTheBeginningAndAShortPressCutsTheDash) {
    const HWND w = *widget;
    // Mode 2 at the fastest speed: every dot restarts the dot sound, cutting the one before.
    ::SendMessageA(w, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    for (int i = 0; i < 3; ++i) kt::SendMouse(w, WM_LBUTTONDOWN, 100, 45);
    ASSERT_TRUE(kt::PumpUntil([] { return Captured(kDotRate).size() == 3 && Captured(kDotRate)[2].second == kDotFrames - 1; },
                              8000))
        << Describe(Captured(kDotRate));
    const Runs dots = Captured(kDotRate);
    for (size_t i = 0; i < dots.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(0, dots[i].first);
        if (i < 2) {
            EXPECT_LT(dots[i].second, kDotFrames / 2) << "the next dot did not cut this one";
        }
    }
    EXPECT_TRUE(Captured(kDashRate).empty()) << Describe(Captured(kDashRate));

    // Mode 1: a short press starts the dash and stops it at the release; a long one lets it
    // play to its end.
    ::SendMessageA(w, WM_COMMAND, 1, 0);
    ::SendMessageA(w, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 80), 0);
    kt::SendMouse(w, WM_LBUTTONDOWN, 100, 45);
    kt::PumpFor(150);
    kt::SendMouse(w, WM_LBUTTONUP, 100, 45);
    kt::PumpFor(300);
    const Runs cut = Captured(kDashRate);
    ASSERT_EQ(1u, cut.size()) << Describe(cut);
    EXPECT_EQ(0, cut[0].first);
    EXPECT_LT(cut[0].second, kDashFrames / 2);
    kt::PumpFor(700);
    EXPECT_EQ(cut, Captured(kDashRate)) << "sound after the release";

    kt::SendMouse(w, WM_LBUTTONDOWN, 100, 45);
    kt::PumpFor(260);
    kt::SendMouse(w, WM_LBUTTONUP, 100, 45);
    ASSERT_TRUE(kt::PumpUntil([] { return Captured(kDashRate).size() == 2 && Captured(kDashRate)[1].second == kDashFrames - 1; },
                              8000))
        << Describe(Captured(kDashRate));
    EXPECT_EQ(0, Captured(kDashRate)[1].first);
    EXPECT_EQ(dots, Captured(kDotRate)) << "the straight key plays no dot sound";
}

// Characters played from the board: each character's sound is cut when its letter space begins,
// so the long sounds of this test stay short and none runs into the next character.
TEST_F(TapkeyCapture, PlayedCharactersEndSilent) {
    const HWND w = *widget;
    ::SendMessageA(w, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    ::SendMessageA(w, WM_COMMAND, 100, 'E');
    ::SendMessageA(w, WM_COMMAND, 100, 'E');
    ASSERT_TRUE(kt::PumpUntil([] { return Captured(kDotRate).size() == 2; }, 3000)) << Describe(Captured(kDotRate));
    kt::PumpFor(1000);
    const Runs dots = Captured(kDotRate);
    ASSERT_EQ(2u, dots.size()) << Describe(dots);
    for (const auto& r : dots) EXPECT_LT(r.second, kDotFrames / 2) << Describe(dots);
}

}  // namespace
