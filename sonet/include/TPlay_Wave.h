// Sonet: a small background player for PCM WAVE files over the wave-out device (winmm).
#pragma once

#ifdef SONET_BUILD
#define SONET_API __declspec(dllexport)
#else
#define SONET_API __declspec(dllimport)
#endif

// One player per sound file. The whole file is loaded into memory; Play returns at once and the
// sound goes on in the background.
//
// A player whose file is missing or is not a PCM WAVE file, or that finds no wave-out device, is
// silent: every call returns harmlessly and nothing is ever thrown. A device that could not be
// opened is tried again by the next Play (once per call).
//
// Positions (Seek, Get_Pos) count sample frames (one sample of every channel) from the start.
//
// Threads: the player is driven from one thread. While the device is open, a notification thread
// of the player waits for the end of the sound and calls Process, which calls OnEndPos. A class
// that overrides OnEndPos or Process calls Close() in its own destructor, and never deletes the
// player from inside them.
class SONET_API TPlay_Wave {
public:
    // Mode flags (constructor's second argument); other bits are ignored.
    enum {
        // Open the wave device at once (in the constructor and in Change), so that the first Play
        // does not wait for it. Without it the device is opened by the first Play or by Open.
        OpenNow = 4
    };

    TPlay_Wave(const char* fileName, int mode);
    // Ends playback, closes the device, ends the thread, frees the data. Deleted while the process
    // ends (a static destructor run at exit), it leaves all that to the system and returns at once.
    virtual ~TPlay_Wave();

    TPlay_Wave(const TPlay_Wave&) = delete;
    TPlay_Wave& operator=(const TPlay_Wave&) = delete;

    // Handles a wave-out notification. For MM_WOM_DONE: if the sound has reached its end, calls
    // OnEndPos and, when that returns true, plays again from the start; returns 1 then, else 0.
    // Other messages: 0. The notification thread calls it; calling it yourself is harmless.
    virtual long Process(int msg, long param);
    // Moves to a frame (clamped to the sound); a playing sound goes on from there.
    virtual void Seek(long frame);
    // Starts playing from the current position (from the start when at the end) and returns at
    // once, opening the device first when it is not open; resumes a held sound; does nothing while
    // the sound plays.
    virtual void Play();
    // Silences the sound at once; the position stays where it stopped. Harmless when idle.
    virtual void Stop();
    // Opens the wave device now (retrying after an earlier failure).
    virtual void Open();
    // Stops, closes the device and ends the notification thread; Play opens it again.
    virtual void Close();
    // The current position in frames (while playing: the frame being heard).
    virtual long Get_Pos();
    // Pauses a playing sound; Continue (or Play) resumes it.
    virtual void Hold();
    virtual void Continue();
    // Loads another file (nullptr or a bad file: the player becomes silent); the position is 0.
    virtual void Change(const char* fileName);

protected:
    // Called once each time the sound has played to its end (on the notification thread).
    // Return true to play it again from the start. The default returns false.
    virtual bool OnEndPos();

private:
    struct Impl;
    Impl* m_p;
};
