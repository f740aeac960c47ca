#include "TPlay_Wave.h"

#include "WaveFile.h"

#include <new>

// The whole sound is one WAVEHDR written from the current position to the end. The device is
// opened with CALLBACK_EVENT; a notification thread waits on that event and calls Process, which
// only looks at the header's WHDR_DONE flag. All state is guarded by one critical section;
// OnEndPos is called outside it. Close hands the stopped device to the notification thread,
// which closes it as it ends.

namespace {
struct ThreadArgs;
}

struct TPlay_Wave::Impl {
    CRITICAL_SECTION cs;
    int mode = 0;
    bool loaded = false;
    sonet::WaveData wave;
    HWAVEOUT hwo = nullptr;
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
    HANDLE finished = nullptr;  // manual-reset event: the thread is done with the player
    ThreadArgs* threadArgs = nullptr;  // owned by the thread
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
        if (!hwo && !OpenLocked(self)) return;  // one attempt per call: a device may have come
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
    HANDLE quit, done, finished;
    HMODULE self;             // a reference on this library, held by the thread until its very end
    HWAVEOUT hwo = nullptr;   // set by Close: the stopped device the thread closes as it ends
};

// Waits for the device's notifications until told to quit, then says that it is done with the
// player and closes the device it was handed. Closing a device, like the end of a thread, can
// need the loader lock, which a player deleted by a static destructor of a library being freed
// holds: so the player waits only for that word, and this thread closes the device later.
DWORD WINAPI NotifyThread(LPVOID p) {
    ThreadArgs* a = static_cast<ThreadArgs*>(p);
    const HANDLE events[2] = {a->quit, a->done};
    while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        try {
            a->player->Process(MM_WOM_DONE, 0);
        } catch (...) {
        }
    }
    const ThreadArgs last = *a;
    delete a;
    SetEvent(last.finished);  // from here on nothing of the player is touched
    if (last.hwo) waveOutClose(last.hwo);
    CloseHandle(last.done);
    if (last.self) FreeLibraryAndExitThread(last.self, 0);  // this code stays mapped until the thread has left it
    return 0;
}

// Whether the process is ending: its other threads are gone then, perhaps in the middle of a
// lock of the player's or of the wave device's.
bool ProcessEnding() {
    typedef BOOLEAN(WINAPI * ShutdownInProgress)();
    static const ShutdownInProgress inProgress = reinterpret_cast<ShutdownInProgress>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlDllShutdownInProgress")));
    return inProgress != nullptr && inProgress();
}

}  // namespace

bool TPlay_Wave::Impl::OpenLocked(TPlay_Wave* self) {
    if (hwo) return true;
    if (!loaded || dying) return false;
    if (!done && !(done = CreateEventA(nullptr, FALSE, FALSE, nullptr))) return false;
    if (waveOutOpen(&hwo, WAVE_MAPPER, &wave.format, DWORD_PTR(done), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
        hwo = nullptr;
        return false;
    }
    if (!thread) {
        quit = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HMODULE module = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&NotifyThread), &module);
        ThreadArgs* args = quit && finished ? new (std::nothrow) ThreadArgs{self, quit, done, finished, module} : nullptr;
        thread = args ? CreateThread(nullptr, 0, NotifyThread, args, 0, &threadId) : nullptr;
        threadArgs = thread ? args : nullptr;
        if (!thread) {
            delete args;
            if (module) FreeLibrary(module);
            if (quit) CloseHandle(quit);
            if (finished) CloseHandle(finished);
            quit = finished = nullptr;
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
    // Deleted while the process ends (a static destructor): nothing is waited for or closed, the
    // system frees it all.
    if (ProcessEnding()) return;
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
    m_p->OpenLocked(this);
}

void TPlay_Wave::Close() {
    if (!m_p) return;
    HANDLE thread = nullptr, quit = nullptr, finished = nullptr;
    {
        Lock l(m_p->cs);
        if (m_p->thread && m_p->threadId != GetCurrentThreadId()) {
            // The thread takes the stopped device, and the event it waits on, with it.
            m_p->StopLocked();
            m_p->threadArgs->hwo = m_p->hwo;
            m_p->hwo = nullptr;
            m_p->done = nullptr;
            thread = m_p->thread;
            quit = m_p->quit;
            finished = m_p->finished;
            m_p->thread = m_p->quit = m_p->finished = nullptr;
            m_p->threadArgs = nullptr;
        } else {
            // Called from OnEndPos the thread cannot wait for itself; it stays for the next Open.
            m_p->CloseDeviceLocked();
        }
    }
    if (thread) {
        SetEvent(quit);
        // Done with the player, or ended some other way.
        const HANDLE ends[2] = {finished, thread};
        WaitForMultipleObjects(2, ends, FALSE, INFINITE);
        CloseHandle(thread);
        CloseHandle(quit);
        CloseHandle(finished);
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
