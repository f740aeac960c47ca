// TPlay_Wave on a real device. alsa_capture.sh points ALSA's default device at the WAV file named by
// KELM_CAPTURE_FILE, and the tests read back which frames reached the device. Wine feeds that device
// faster than real time, so amounts of sound are compared, not times.
#include "TPlay_Wave.h"
#include "TestWave.h"

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <set>

namespace {

using Runs = std::vector<std::pair<long, long>>;  // first and last index of frames played in order
const long kRate = 44100;

std::string CapturePath() {
    const char* path = std::getenv("KELM_CAPTURE_FILE");
    return path ? std::string("Z:") + path : std::string();
}

Runs Captured() {
    HANDLE h = CreateFileA(CapturePath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    st::Bytes b(h == INVALID_HANDLE_VALUE ? 0 : GetFileSize(h, nullptr));
    DWORD got = 0;
    ReadFile(h, b.data(), DWORD(b.size()), &got, nullptr);
    CloseHandle(h);
    Runs runs;
    long last = -2;
    for (size_t at = 44; at + 4 <= got; at += 4) {  // after the plugin's 44-byte header
        const long i = st::FrameIndex(int16_t(b[at] | b[at + 1] << 8), int16_t(b[at + 2] | b[at + 3] << 8));
        if (i >= 0 && i == last + 1)
            runs.back().second = i;
        else if (i >= 0)
            runs.push_back({i, i});
        last = i < 0 ? -2 : i;  // silence splits runs
    }
    return runs;
}

std::set<DWORD> ThreadIds() {
    std::set<DWORD> ids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 te{sizeof te};
    for (BOOL ok = Thread32First(snap, &te); ok; ok = Thread32Next(snap, &te))
        if (te.th32OwnerProcessID == GetCurrentProcessId()) ids.insert(te.th32ThreadID);
    CloseHandle(snap);
    return ids;
}

class LoopingPlayer : public TPlay_Wave {
public:
    LoopingPlayer(const char* name, int mode) : TPlay_Wave(name, mode) {}
    ~LoopingPlayer() override { Close(); }
    volatile LONG ends = 0;
protected:
    bool OnEndPos() override { return InterlockedIncrement(&ends) == 1; }  // one repeat
};

// Puts a replacement of winmm's waveOutOpen into Sonet.dll's import table while it exists: the
// first `failures` opens fail as on a machine without a device, the others go to winmm.
class FailingOpens {
public:
    explicit FailingOpens(int failures) : m_slot(ImportSlot(GetModuleHandleA("Sonet.dll"), "winmm.dll", "waveOutOpen")) {
        s_failures = failures;
        s_attempts = 0;
        if (m_slot) s_real = reinterpret_cast<OpenFn>(Patch(m_slot, reinterpret_cast<FARPROC>(&Fake)));
    }
    ~FailingOpens() {
        if (m_slot) Patch(m_slot, reinterpret_cast<FARPROC>(s_real));
    }
    bool Hooked() const { return m_slot != nullptr; }
    static int Attempts() { return s_attempts; }

private:
    typedef MMRESULT(WINAPI* OpenFn)(LPHWAVEOUT, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD);
    static MMRESULT WINAPI Fake(LPHWAVEOUT h, UINT id, LPCWAVEFORMATEX f, DWORD_PTR cb, DWORD_PTR inst, DWORD flags) {
        ++s_attempts;
        if (s_failures > 0) {
            --s_failures;
            return MMSYSERR_NODRIVER;
        }
        return s_real(h, id, f, cb, inst, flags);
    }
    static FARPROC* ImportSlot(HMODULE module, const char* dll, const char* function) {
        if (!module) return nullptr;
        BYTE* base = reinterpret_cast<BYTE*>(module);
        const IMAGE_NT_HEADERS* nt =
            reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
            if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0) continue;
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                    return reinterpret_cast<FARPROC*>(&slots->u1.Function);
            }
        }
        return nullptr;
    }
    static FARPROC Patch(FARPROC* slot, FARPROC to) {
        DWORD old = 0;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
        const FARPROC was = *slot;
        *slot = to;
        VirtualProtect(slot, sizeof *slot, old, &old);
        return was;
    }
    FARPROC* m_slot;
    static OpenFn s_real;
    static int s_failures, s_attempts;
};
FailingOpens::OpenFn FailingOpens::s_real = nullptr;
int FailingOpens::s_failures = 0, FailingOpens::s_attempts = 0;

class SonetCapture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(CapturePath().empty()) << "run through alsa_capture.sh";
        ASSERT_GT(waveOutGetNumDevs(), 0u) << "the capture device did not appear";
        DeleteFileA(CapturePath().c_str());
    }
    bool Exists() { return GetFileAttributesA(CapturePath().c_str()) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(SonetCapture, PlaysInTheBackgroundToTheEndAndRepeatsWhenAsked) {
    st::TempFile f(st::IndexedWave(kRate));
    LoopingPlayer p(f.name(), 0);
    EXPECT_FALSE(Exists()) << "the device opened before Play";
    const DWORD t0 = GetTickCount();
    p.Play();
    EXPECT_LT(GetTickCount() - t0, 100u);
    for (int i = 0; i < 500 && p.ends < 2; ++i) Sleep(10);
    EXPECT_EQ(kRate, p.Get_Pos());
    Sleep(200);
    EXPECT_EQ(2, p.ends);
    EXPECT_EQ(Runs({{0, kRate - 1}, {0, kRate - 1}}), Captured());
}

TEST_F(SonetCapture, StopSilencesAtOnceAndSeekZeroReplaysFromTheStart) {
    st::TempFile f(st::IndexedWave(20 * kRate));
    TPlay_Wave(f.name(), TPlay_Wave::OpenNow).Play();  // winmm starts threads of its own at first
    DeleteFileA(CapturePath().c_str());
    const std::set<DWORD> before = ThreadIds();
    std::set<DWORD> started;
    Runs atStop;
    long stoppedAt = 0;
    {
        TPlay_Wave p(f.name(), TPlay_Wave::OpenNow);
        EXPECT_TRUE(Exists()) << "OpenNow did not open the device";
        p.Play();
        Sleep(150);
        const DWORD t0 = GetTickCount();
        p.Stop();
        EXPECT_LT(GetTickCount() - t0, 50u);
        stoppedAt = p.Get_Pos();
        Sleep(50);
        atStop = Captured();
        Sleep(300);
        EXPECT_EQ(atStop, Captured()) << "sound after Stop";
        p.Play();  // goes on where it stopped
        Sleep(50);
        p.Stop(), p.Seek(0), p.Play();  // the key widget's restart
        Sleep(50);
        for (DWORD id : ThreadIds()) started.insert(id);
    }
    const Runs played = Captured();
    Sleep(300);
    EXPECT_EQ(played, Captured()) << "the destructor did not end the sound";
    ASSERT_EQ(3u, played.size());
    EXPECT_EQ(0, played[0].first);
    EXPECT_LT(played[0].second, 2 * kRate) << "more than 2 s of a 20 s sound";
    EXPECT_EQ(stoppedAt, played[1].first);  // Wine's position runs a little ahead of the device
    EXPECT_NEAR(played[0].second, played[1].first, kRate / 4);
    EXPECT_EQ(0, played[2].first);

    for (DWORD id : before) started.erase(id);
    EXPECT_FALSE(started.empty()) << "no notification thread";
    for (int i = 0; i < 100 && !started.empty(); ++i, Sleep(10)) {  // Wine ends its own a little later
        const std::set<DWORD> now = ThreadIds();
        for (auto it = started.begin(); it != started.end();) it = now.count(*it) ? ++it : started.erase(it);
    }
    EXPECT_TRUE(started.empty()) << started.size() << " threads left";
}

// A device that could not be opened is tried again by each Play, once per call, and used as
// soon as it opens.
TEST_F(SonetCapture, AFailedOpenIsTriedAgainByTheNextPlay) {
    st::TempFile f(st::IndexedWave(kRate / 4));
    FailingOpens opens(3);
    ASSERT_TRUE(opens.Hooked());
    TPlay_Wave p(f.name(), TPlay_Wave::OpenNow);
    EXPECT_EQ(1, FailingOpens::Attempts());
    p.Play();
    p.Play();
    EXPECT_EQ(3, FailingOpens::Attempts());
    Sleep(100);
    EXPECT_FALSE(Exists()) << "sound without a device";
    p.Play();
    EXPECT_EQ(4, FailingOpens::Attempts());
    for (int i = 0; i < 300 && Captured() != Runs({{0, kRate / 4 - 1}}); ++i) Sleep(10);
    EXPECT_EQ(Runs({{0, kRate / 4 - 1}}), Captured());
    p.Play();  // from the start again, on the open device
    const Runs twice = {{0, kRate / 4 - 1}, {0, kRate / 4 - 1}};
    for (int i = 0; i < 300 && Captured() != twice; ++i) Sleep(10);
    EXPECT_EQ(twice, Captured());
    EXPECT_EQ(4, FailingOpens::Attempts());
}

}  // namespace
