// The registry failing at each of its three steps: the status that reaches the caller, the
// box the Apply click shows, and what is (not) written.
#include "app/shutdown_tweak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/message_box_recorder.h"
#include "tests/support/registry_fixture.h"

namespace {

using app::RegistryEntries;

// Puts failing (or recording) entries in place for one test and the system's back after it.
class RegistryFaultTest : public ::testing::Test {
protected:
    void TearDown() override { app::SetRegistryEntries({}); }

    // Entries that pass to the system and log each call.
    RegistryEntries Logging() {
        RegistryEntries entries;
        entries.open = [this](HKEY root, const char* key, DWORD options, REGSAM access, HKEY* opened) {
            calls.push_back("open");
            return RegOpenKeyExA(root, key, options, access, opened);
        };
        entries.setValue = [this](HKEY key, const char* field, DWORD reserved, DWORD type, const BYTE* data,
                                  DWORD size) {
            calls.push_back("set");
            return RegSetValueExA(key, field, reserved, type, data, size);
        };
        entries.close = [this](HKEY key) {
            calls.push_back("close");
            return RegCloseKey(key);
        };
        return entries;
    }
    std::int32_t Set() { return app::RegValueSet(HKEY_CURRENT_USER, scratch.Path(), L"Field", std::int32_t{1000}); }
    bool Written() { return testing_support::ReadRawValue(HKEY_CURRENT_USER, scratch.Path(), L"Field").has_value(); }

    testing_support::ScratchKey scratch{L"RegistryFault"};
    std::vector<std::string> calls;
};

TEST_F(RegistryFaultTest, AFailedOpenReturnsItsStatusAndWritesNothing) {
    RegistryEntries entries = Logging();
    entries.open = [this](HKEY, const char*, DWORD, REGSAM, HKEY*) -> LONG {
        calls.push_back("open");
        return ERROR_ACCESS_DENIED;
    };
    app::SetRegistryEntries(entries);
    EXPECT_EQ(Set(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(calls, (std::vector<std::string>{"open"})) << "no write and nothing to close";
    EXPECT_FALSE(Written());
}

TEST_F(RegistryFaultTest, AFailedWriteReturnsItsStatusAndStillClosesTheKey) {
    RegistryEntries entries = Logging();
    entries.setValue = [this](HKEY, const char*, DWORD, DWORD, const BYTE*, DWORD) -> LONG {
        calls.push_back("set");
        return ERROR_WRITE_FAULT;
    };
    app::SetRegistryEntries(entries);
    EXPECT_EQ(Set(), ERROR_WRITE_FAULT);
    EXPECT_EQ(calls, (std::vector<std::string>{"open", "set", "close"}));
    EXPECT_FALSE(Written());
}

TEST_F(RegistryFaultTest, AFailedCloseIsReportedToo) {
    RegistryEntries entries = Logging();
    entries.close = [this](HKEY opened) -> LONG {
        calls.push_back("close");
        RegCloseKey(opened);  // the handle is released all the same
        return ERROR_INVALID_HANDLE;
    };
    app::SetRegistryEntries(entries);
    EXPECT_EQ(Set(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(calls, (std::vector<std::string>{"open", "set", "close"}));
}

TEST_F(RegistryFaultTest, TheApplyClickShowsTheErrorBoxForEachFailingStep) {
    for (int failing = 0; failing < 3; ++failing) {
        RegistryEntries entries;
        HKEY fake = reinterpret_cast<HKEY>(static_cast<INT_PTR>(0x4321));
        std::vector<std::string> written;
        entries.open = [&](HKEY, const char* path, DWORD, REGSAM, HKEY* opened) -> LONG {
            EXPECT_STREQ(path, "SYSTEM\\ControlSet001\\Control");
            *opened = fake;
            return failing == 0 ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
        };
        entries.setValue = [&](HKEY key, const char* field, DWORD, DWORD type, const BYTE* data, DWORD size) -> LONG {
            EXPECT_EQ(key, fake);
            EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(size, 4u);
            EXPECT_EQ(*reinterpret_cast<const std::int32_t*>(data), 1000);
            if (failing == 1) return ERROR_WRITE_FAULT;
            written.push_back(field);
            return ERROR_SUCCESS;
        };
        entries.close = [&](HKEY) -> LONG { return failing == 2 ? ERROR_INVALID_HANDLE : ERROR_SUCCESS; };
        app::SetRegistryEntries(entries);
        testing_support::MessageBoxRecorder boxes;
        app::ApplyShutdownTweak(nullptr);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, L"Error") << "failing step " << failing;
        EXPECT_EQ(boxes.boxes[0].title, L"Error!");
        EXPECT_EQ(boxes.boxes[0].flags & 0xF0u, static_cast<UINT>(MB_ICONERROR));
        if (failing < 2) {
            EXPECT_TRUE(written.empty()) << "nothing written when the open or the write fails";
        }
    }
}

TEST_F(RegistryFaultTest, WithEveryStepSucceedingTheClickReportsSuccess) {
    RegistryEntries entries;
    entries.open = [](HKEY, const char*, DWORD, REGSAM, HKEY* opened) -> LONG {
        *opened = reinterpret_cast<HKEY>(static_cast<INT_PTR>(0x4321));
        return ERROR_SUCCESS;
    };
    entries.setValue = [](HKEY, const char*, DWORD, DWORD, const BYTE*, DWORD) -> LONG { return ERROR_SUCCESS; };
    entries.close = [](HKEY) -> LONG { return ERROR_SUCCESS; };
    app::SetRegistryEntries(entries);
    testing_support::MessageBoxRecorder boxes;
    app::ApplyShutdownTweak(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, L"Success!");
}

}  // namespace
