// The controls the soak and message-storm tests exercise: how to make one, which messages it
// handles, and how to check afterwards that it still answers them consistently.
#pragma once
#include <afxwin.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace kst {

struct StressSubject {
    const char* name;
    CRect rect;  // in the host's client area
    std::function<CWnd*(CWnd* pParent, CRect rc)> create;
    std::vector<UINT> messages;  // control messages besides the common window and input ones
    // Sends a message of the control's own with random but valid arguments.
    std::function<void(CWnd* pWnd, UINT msg, std::mt19937& rng)> send;
    // Puts the control in a known state and checks that it answers its messages (gtest checks).
    std::function<void(CWnd* pWnd)> check;
};

// Every subject: the ones of StressSubjects.cpp, then those registered from other files (one file per
// control family, each with static SubjectRegistrar objects), in registration order.
const std::vector<StressSubject>& Subjects();

void RegisterSubject(const StressSubject& subject);
struct SubjectRegistrar {
    explicit SubjectRegistrar(const StressSubject& subject) { RegisterSubject(subject); }
};

}  // namespace kst
