// A library that keeps a playing player in a static object: its static destructor deletes the
// player while the loader lock is held, when the library is freed or the process ends.
#include "TPlay_Wave.h"

namespace {

struct Owner {
    TPlay_Wave* player = nullptr;
    ~Owner() { delete player; }
} g_owner;

}  // namespace

extern "C" __declspec(dllexport) void StartPlaying(const char* fileName) {
    if (!g_owner.player) g_owner.player = new TPlay_Wave(fileName, TPlay_Wave::OpenNow);
    g_owner.player->Play();
}
