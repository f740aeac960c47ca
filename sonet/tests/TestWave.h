// WAVE images and temporary files for the Sonet tests.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace st {

using Bytes = std::vector<unsigned char>;

inline void Put(Bytes& b, uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b.push_back((v >> 8 * i) & 0xFF);
}
// Appends a chunk, padded to even length; `declared` overrides its size field.
inline void Chunk(Bytes& b, const char* id, const Bytes& body, int64_t declared = -1) {
    b.insert(b.end(), id, id + 4);
    Put(b, uint32_t(declared < 0 ? body.size() : declared), 4);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1) b.push_back(0);
}
inline Bytes Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes f;
    for (auto [v, size] : {std::pair<uint32_t, int>{tag, 2}, {channels, 2}, {rate, 4},
                           {rate * channels * bits / 8, 4}, {channels * bits / 8, 2}, {bits, 2}})
        Put(f, v, size);
    return f;
}
inline Bytes Riff(const Bytes& chunks) {
    Bytes b = {'R', 'I', 'F', 'F'};
    Put(b, uint32_t(chunks.size() + 4), 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E'});
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

// 16-bit stereo frames that name their own index (left 1 + i % 32000, right -(1 + i / 32000)),
// never silent, so that captured sound reads back as frame indices.
inline Bytes IndexedFrames(uint32_t count) {
    Bytes d;
    for (uint32_t i = 0; i < count; ++i) Put(d, 1 + i % 32000, 2), Put(d, uint32_t(-int(1 + i / 32000)), 2);
    return d;
}
inline long FrameIndex(int16_t left, int16_t right) {  // -1: not such a frame (silence)
    return left < 1 || left > 32000 || right > -1 ? -1 : long(-right - 1) * 32000 + (left - 1);
}
inline Bytes IndexedWave(uint32_t frames) {
    Bytes c;
    Chunk(c, "fmt ", Fmt(WAVE_FORMAT_PCM, 2, 44100, 16));
    Chunk(c, "data", IndexedFrames(frames));
    return Riff(c);
}

// A file in the temp folder, deleted with the object.
class TempFile {
public:
    explicit TempFile(const Bytes& content) {
        char dir[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "snt", 0, name);
        m_name = name;
        HANDLE h = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD done = 0;
        WriteFile(h, content.data(), DWORD(content.size()), &done, nullptr);
        CloseHandle(h);
    }
    ~TempFile() { DeleteFileA(m_name.c_str()); }
    const char* name() const { return m_name.c_str(); }
private:
    std::string m_name;
};

}  // namespace st
