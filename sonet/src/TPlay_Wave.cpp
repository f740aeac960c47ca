#include "TPlay_Wave.h"

#include "WaveFile.h"

#include <new>

// The whole sound is one WAVEHDR written from the current position to the end. The device is
// opened with CALLBACK_EVENT; a notification thread waits on that event and calls Process, which
// only looks at the header's WHDR_DONE flag. All state is guarded by one critical section;
// OnEndPos is called outside it.

struct TPlay_Wave::Impl {
    CRITICAL_SECTION cs;
    int mode = 0;
    bool loaded = false;
    sonet::WaveData wave;
    HWAVEOUT hwo = nullptr;
    bool noDevice = false;   // the last open failed: Play does not retry, Open does
    bool dying = false;      // in the destructor: no more opening
    WAVEHDR hdr{};
    bool queued = false;     // hdr is prepared and written
    bool held = false;
    DWORD startByte = 0;     // offset of hdr in the data
    DWORD basePos = 0;       // device position (bytes) when hdr was written
    DWORD pos = 0;           // position (bytes) while nothing is queued
    HANDLE done = nullptr;   // auto-reset event signalled by the device
    HANDLE thread = nullptr;
    HANDLE quit = nullptr;   // manual-reset event ending that thread
    DWORD threadId = 0;

    DWORD Size() const { return DWORD(wave.pcm.size()); }
    DWORD Align() const { return loaded ? wave.format.nBlockAlign : 1; }

    DWORD DevicePos() {
        MMTIME t{};
        t.wType = TIME_BYTES;
        if (waveOutGetPosition(hwo, &t, sizeof t) != MMSYSERR_NOERROR) return basePos;
        switch (t.wType) {
        case TIME_BYTES: return t.u.cb;
        case TIME_SAMPLES: return t.u.sample * Align();
        case TIME_MS: return DWORD(ULONGLONG(t.u.ms) * wave.format.nAvgBytesPerSec / 1000);
        default: return basePos;
        }
    }

    DWORD PosLocked() {
        if (!queued) return pos;
        DWORD played = DevicePos() - basePos;
        if (played > hdr.dwBufferLength) played = hdr.dwBufferLength;
        return startByte + played - played % Align();
    }

    bool IsDone() const { return (static_cast<const volatile DWORD&>(hdr.dwFlags) & WHDR_DONE) != 0; }

    void Unqueue() {
        waveOutUnprepareHeader(hwo, &hdr, sizeof hdr);
        queued = false;
        held = false;
    }

    void StopLocked() {
        if (!queued) return;
        const DWORD at = PosLocked();
        waveOutReset(hwo);
        if (held) waveOutRestart(hwo);
        Unqueue();
        pos = at;
    }

    bool OpenLocked(TPlay_Wave* self);
    void CloseDeviceLocked() {
        if (!hwo) return;
        StopLocked();
        waveOutClose(hwo);
        hwo = nullptr;
    }

    void StartLocked(TPlay_Wave* self) {
        if (queued || !loaded || Size() == 0) return;
        if (!hwo && (noDevice || !OpenLocked(self))) return;
        if (pos >= Size()) pos = 0;
        waveOutReset(hwo);  // restarts the position count
        hdr = WAVEHDR{};
        hdr.lpData = wave.pcm.data() + pos;
        hdr.dwBufferLength = Size() - pos;
        if (waveOutPrepareHeader(hwo, &hdr, sizeof hdr) != MMSYSERR_NOERROR) return;
        basePos = DevicePos();
        if (waveOutWrite(hwo, &hdr, sizeof hdr) != MMSYSERR_NOERROR) {
            waveOutUnprepareHeader(hwo, &hdr, sizeof hdr);
            return;
        }
        startByte = pos;
        queued = true;
    }

    void Load(TPlay_Wave* self, const char* fileName) {
        CloseDeviceLocked();
        wave.pcm.clear();
        wave.pcm.shrink_to_fit();
        pos = 0;
        noDevice = false;
        try {
            loaded = sonet::LoadWave(fileName, wave);
        } catch (...) {  // out of memory
            loaded = false;
        }
        if (!loaded) wave.pcm = std::vector<char>();
        if (loaded && (mode & OpenNow)) OpenLocked(self);
    }
};

namespace {

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~Lock() { LeaveCriticalSection(&m_cs); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
private:
    CRITICAL_SECTION& m_cs;
};

struct ThreadArgs {
    TPlay_Wave* player;
    HANDLE quit, done;
};

DWORD WINAPI NotifyThread(LPVOID p) {
    const ThreadArgs a = *static_cast<ThreadArgs*>(p);
    delete static_cast<ThreadArgs*>(p);
    const HANDLE events[2] = {a.quit, a.done};
    while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        try {
            a.player->Process(MM_WOM_DONE, 0);
        } catch (...) {
        }
    }
    return 0;
}

}  // namespace

bool TPlay_Wave::Impl::OpenLocked(TPlay_Wave* self) {
    if (hwo) return true;
    if (!loaded || dying) return false;
    if (!done && !(done = CreateEventA(nullptr, FALSE, FALSE, nullptr))) return false;
    if (waveOutOpen(&hwo, WAVE_MAPPER, &wave.format, DWORD_PTR(done), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
        hwo = nullptr;
        noDevice = true;
        return false;
    }
    if (!thread) {
        quit = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        ThreadArgs* args = quit ? new (std::nothrow) ThreadArgs{self, quit, done} : nullptr;
        thread = args ? CreateThread(nullptr, 0, NotifyThread, args, 0, &threadId) : nullptr;
        if (!thread) {
            delete args;
            if (quit) CloseHandle(quit);
            quit = nullptr;
            waveOutClose(hwo);
            hwo = nullptr;
            return false;
        }
    }
    return true;
}

TPlay_Wave::TPlay_Wave(const char* fileName, int mode) : m_p(new (std::nothrow) Impl) {
    if (!m_p) return;
    InitializeCriticalSection(&m_p->cs);
    m_p->mode = mode;
    Lock l(m_p->cs);
    m_p->Load(this, fileName);
}

TPlay_Wave::~TPlay_Wave() {
    if (!m_p) return;
    {
        Lock l(m_p->cs);
        m_p->dying = true;
    }
    TPlay_Wave::Close();
    if (m_p->done) CloseHandle(m_p->done);
    DeleteCriticalSection(&m_p->cs);
    delete m_p;
}

long TPlay_Wave::Process(int msg, long) {
    if (!m_p || msg != MM_WOM_DONE) return 0;
    {
        Lock l(m_p->cs);
        if (!m_p->queued || !m_p->IsDone()) return 0;
        m_p->Unqueue();
        m_p->pos = m_p->Size();
    }
    bool again = false;
    try {
        again = OnEndPos();
    } catch (...) {
    }
    if (again) {
        Lock l(m_p->cs);
        if (!m_p->queued) {
            m_p->pos = 0;
            m_p->StartLocked(this);
        }
    }
    return 1;
}

void TPlay_Wave::Seek(long frame) {
    if (!m_p) return;
    Lock l(m_p->cs);
    const DWORD frames = m_p->Size() / m_p->Align();
    const DWORD at = frame <= 0 ? 0 : DWORD(frame) >= frames ? frames : DWORD(frame);
    const bool playing = m_p->queued && !m_p->held;
    m_p->StopLocked();
    m_p->pos = at * m_p->Align();
    if (playing) m_p->StartLocked(this);
}

void TPlay_Wave::Play() {
    if (!m_p) return;
    Lock l(m_p->cs);
    if (m_p->held) {
        waveOutRestart(m_p->hwo);
        m_p->held = false;
    } else {
        m_p->StartLocked(this);
    }
}

void TPlay_Wave::Stop() {
    if (!m_p) return;
    Lock l(m_p->cs);
    m_p->StopLocked();
}

void TPlay_Wave::Open() {
    if (!m_p) return;
    Lock l(m_p->cs);
    m_p->noDevice = false;
    m_p->OpenLocked(this);
}

void TPlay_Wave::Close() {
    if (!m_p) return;
    HANDLE thread = nullptr, quit = nullptr;
    {
        Lock l(m_p->cs);
        m_p->CloseDeviceLocked();
        // Called from OnEndPos the thread cannot wait for itself; it stays for the next Open.
        if (m_p->thread && m_p->threadId != GetCurrentThreadId()) {
            thread = m_p->thread;
            quit = m_p->quit;
            m_p->thread = m_p->quit = nullptr;
        }
    }
    if (thread) {
        SetEvent(quit);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        CloseHandle(quit);
    }
}

long TPlay_Wave::Get_Pos() {
    if (!m_p) return 0;
    Lock l(m_p->cs);
    return long(m_p->PosLocked() / m_p->Align());
}

void TPlay_Wave::Hold() {
    if (!m_p) return;
    Lock l(m_p->cs);
    if (m_p->queued && !m_p->held && waveOutPause(m_p->hwo) == MMSYSERR_NOERROR) m_p->held = true;
}

void TPlay_Wave::Continue() {
    if (!m_p) return;
    Lock l(m_p->cs);
    if (!m_p->held) return;
    waveOutRestart(m_p->hwo);
    m_p->held = false;
}

void TPlay_Wave::Change(const char* fileName) {
    if (!m_p) return;
    Lock l(m_p->cs);
    m_p->Load(this, fileName);
}

bool TPlay_Wave::OnEndPos() { return false; }
