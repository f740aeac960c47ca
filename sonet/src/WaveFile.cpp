#include "WaveFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace sonet {
namespace {

// Files above this size are refused rather than loaded.
constexpr uint64_t kMaxFileSize = 256u << 20;

uint32_t U32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

}  // namespace

bool ParseWave(const unsigned char* image, size_t size, WaveData& out) {
    if (size < 12 || memcmp(image, "RIFF", 4) != 0 || memcmp(image + 8, "WAVE", 4) != 0)
        return false;
    const uint64_t end = std::min<uint64_t>(size, uint64_t(U32(image + 4)) + 8);

    const unsigned char* fmt = nullptr;
    uint64_t dataAt = 0, dataLen = 0;
    bool haveData = false;
    // 64-bit offsets: a 32-bit chunk size cannot wrap them.
    for (uint64_t at = 12; at + 8 <= end && !(fmt && haveData);) {
        const unsigned char* id = image + at;
        const uint64_t len = U32(image + at + 4);
        const uint64_t body = at + 8, avail = end - body;
        if (memcmp(id, "fmt ", 4) == 0) {
            if (len < 16 || len > avail) return false;
            fmt = image + body;
        } else if (memcmp(id, "data", 4) == 0) {
            dataAt = body;
            dataLen = std::min(len, avail);
            haveData = true;
        }
        at = body + len + (len & 1);
    }
    if (!fmt || !haveData) return false;

    const uint16_t tag = U16(fmt), channels = U16(fmt + 2), align = U16(fmt + 12), bits = U16(fmt + 14);
    const uint32_t rate = U32(fmt + 4);
    if (tag != WAVE_FORMAT_PCM || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return false;
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (align != channels * bits / 8) return false;

    WAVEFORMATEX& f = out.format;
    f = WAVEFORMATEX{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = bits;
    f.nBlockAlign = align;
    f.nAvgBytesPerSec = rate * align;
    dataLen -= dataLen % align;
    out.pcm.assign(reinterpret_cast<const char*>(image + dataAt),
                   reinterpret_cast<const char*>(image + dataAt + dataLen));
    return true;
}

bool LoadWave(const char* fileName, WaveData& out) {
    if (!fileName || !*fileName) return false;
    HANDLE h = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = false;
    LARGE_INTEGER size;
    if (GetFileSizeEx(h, &size) && size.QuadPart >= 12 && uint64_t(size.QuadPart) <= kMaxFileSize) {
        std::vector<unsigned char> image(size_t(size.QuadPart));
        DWORD got = 0;
        size_t have = 0;
        while (have < image.size() &&
               ReadFile(h, image.data() + have, DWORD(image.size() - have), &got, nullptr) && got)
            have += got;
        ok = ParseWave(image.data(), have, out);
    }
    CloseHandle(h);
    return ok;
}

}  // namespace sonet
