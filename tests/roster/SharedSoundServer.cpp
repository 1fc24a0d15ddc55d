// The one sound server a test program's tests share: Qt reaches a sound server once per process,
// so it is started before the first test and stopped after the last.
#include <gtest/gtest.h>

#include "SoundServer.h"

namespace {

SoundServer *shared = nullptr;

// Starts the shared server before the first test and stops it after the last, while the
// application object still stands.
class SharedServer : public ::testing::Environment {
public:
    void SetUp() override { shared = new SoundServer; }
    void TearDown() override
    {
        delete shared;
        shared = nullptr;
    }
};

[[maybe_unused]] ::testing::Environment *const sharedServer = ::testing::AddGlobalTestEnvironment(new SharedServer);

} // namespace

SoundServer &soundServer() { return *shared; }
