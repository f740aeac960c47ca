// Reading PCM WAVE files into memory.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <vector>

namespace sonet {

struct WaveData {
    WAVEFORMATEX format{};    // always WAVE_FORMAT_PCM, cbSize 0
    std::vector<char> pcm;    // whole frames only
};

// Parses a RIFF/WAVE image. Accepts only uncompressed PCM (8, 16, 24 or 32 bits, 1 to 8
// channels); chunks are bounds-checked and odd-sized chunks padded. A data chunk that claims more
// than the image holds is cut to what is there. Returns false for anything else.
bool ParseWave(const unsigned char* image, size_t size, WaveData& out);

// Reads and parses a file; false when it cannot be read or is not a PCM WAVE file.
bool LoadWave(const char* fileName, WaveData& out);

}  // namespace sonet
