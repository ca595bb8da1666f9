#include "app/shutdown_tweak.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/message_box_recorder.h"
#include "tests/support/registry_fixture.h"

namespace {

using testing_support::ReadRawValue;
using testing_support::ScratchKey;
using Bytes = std::vector<std::uint8_t>;

class RegValueSetTest : public ::testing::Test {
protected:
    ScratchKey key{L"RegValueSet"};
    std::int32_t Set(const platform::Variant& value) {
        return app::RegValueSet(HKEY_CURRENT_USER, key.Path(), L"Field", value);
    }
    std::optional<testing_support::RawValue> Read() { return ReadRawValue(HKEY_CURRENT_USER, key.Path(), L"Field"); }
};

TEST_F(RegValueSetTest, SixteenBitMinusOneWidensWithItsSign) {
    ASSERT_EQ(Set(std::int16_t{-1}), 0);
    const auto value = Read();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value->data, (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(RegValueSetTest, ThirtyTwoBitIntegerIsADword) {
    ASSERT_EQ(Set(std::int32_t{1000}), 0);
    const auto value = Read();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value->data, (Bytes{0xE8, 0x03, 0x00, 0x00}));
}

TEST_F(RegValueSetTest, TextIsWrittenWithItsTerminatingZero) {
    ASSERT_EQ(Set(std::wstring(L"abc")), 0);
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TarnwickTests\\RegValueSet", 0, KEY_READ, &opened), 0);
    char data[16] = {};
    DWORD size = sizeof data, type = 0;
    ASSERT_EQ(RegQueryValueExA(opened, "Field", nullptr, &type, reinterpret_cast<BYTE*>(data), &size), 0);
    RegCloseKey(opened);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 4u);  // "abc" and its zero
    EXPECT_STREQ(data, "abc");
}

TEST_F(RegValueSetTest, EmptyTextIsOneZeroByte) {
    ASSERT_EQ(Set(std::wstring()), 0);
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TarnwickTests\\RegValueSet", 0, KEY_READ, &opened), 0);
    BYTE data[4] = {0x55, 0x55, 0x55, 0x55};
    DWORD size = sizeof data, type = 0;
    ASSERT_EQ(RegQueryValueExA(opened, "Field", nullptr, &type, data, &size), 0);
    RegCloseKey(opened);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(data[0], 0);
}

TEST_F(RegValueSetTest, OtherKindsWriteNothingAndSucceed) {
    for (const platform::Variant& value :
         {platform::Variant{platform::Empty{}}, platform::Variant{platform::Null{}}, platform::Variant{2.5},
          platform::Variant{1.5f}, platform::Variant{platform::Boolean{-1}}, platform::Variant{std::uint8_t{7}},
          platform::Variant{platform::Currency{10000}}}) {
        EXPECT_EQ(Set(value), 0) << value.index();
        EXPECT_FALSE(Read()) << value.index();
    }
}

TEST_F(RegValueSetTest, MissingKeyReportsNotFoundAndCreatesNothing) {
    const std::wstring missing = key.Path() + L"\\Missing";
    EXPECT_EQ(app::RegValueSet(HKEY_CURRENT_USER, missing, L"Field", std::int32_t{1000}), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(testing_support::KeyExists(HKEY_CURRENT_USER, missing));
}

TEST_F(RegValueSetTest, ExistingTextValueIsReplacedByADword) {
    ASSERT_EQ(Set(std::wstring(L"5000")), 0);
    ASSERT_EQ(Set(std::int32_t{1000}), 0);
    const auto value = Read();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value->data, (Bytes{0xE8, 0x03, 0x00, 0x00}));
}

TEST_F(RegValueSetTest, FailedWriteIsNotReportedAsSuccess) {
    // A value name longer than the registry allows (16,383 characters) makes the write
    // itself fail after the key opened fine.
    const std::wstring tooLong(20000, L'x');
    EXPECT_NE(app::RegValueSet(HKEY_CURRENT_USER, key.Path(), tooLong, std::int32_t{1000}), 0);
}

class ApplyClickTest : public ::testing::Test {
protected:
    void SetUp() override {
        hadKey_ = testing_support::KeyExists(HKEY_LOCAL_MACHINE, app::kTweakKey);
        saved_ = ReadRawValue(HKEY_LOCAL_MACHINE, app::kTweakKey, app::kTweakField);
    }
    void TearDown() override {
        // Leave the test prefix as it was found.
        if (!hadKey_) {
            testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, L"SYSTEM\\ControlSet001");
            return;
        }
        testing_support::CreateKey(HKEY_LOCAL_MACHINE, app::kTweakKey);
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, app::kTweakKey, 0, KEY_SET_VALUE, &opened) != 0) return;
        if (saved_)
            RegSetValueExW(opened, app::kTweakField, 0, saved_->type, saved_->data.data(),
                           static_cast<DWORD>(saved_->data.size()));
        else
            RegDeleteValueW(opened, app::kTweakField);
        RegCloseKey(opened);
    }

    bool hadKey_ = false;
    std::optional<testing_support::RawValue> saved_;
    testing_support::MessageBoxRecorder recorder;
};

TEST_F(ApplyClickTest, MissingControlSetShowsTheErrorBoxAndWritesNothing) {
    testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, L"SYSTEM\\ControlSet001");
    app::ApplyShutdownTweak(nullptr);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, L"Error");
    EXPECT_EQ(recorder.boxes[0].title, L"Error!");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(testing_support::KeyExists(HKEY_LOCAL_MACHINE, app::kTweakKey));
}

TEST_F(ApplyClickTest, ExistingKeyGetsTheDwordAndTheSuccessBox) {
    testing_support::CreateKey(HKEY_LOCAL_MACHINE, app::kTweakKey);
    app::ApplyShutdownTweak(nullptr);
    app::ApplyShutdownTweak(nullptr);  // every click writes again and reports again
    ASSERT_EQ(recorder.boxes.size(), 2u);
    for (const auto& box : recorder.boxes) {
        EXPECT_EQ(box.text, L"Success...\r\nYour computer will Shutdown much faster from the next time.");
        EXPECT_EQ(box.title, L"Success!");
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }
    const auto value = ReadRawValue(HKEY_LOCAL_MACHINE, app::kTweakKey, app::kTweakField);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value->data, (Bytes{0xE8, 0x03, 0x00, 0x00}));
}

// The system's registry calls, each logged: the access asked for when opening, and every write.
struct LoggedRegistry {
    std::vector<REGSAM> openAccess;
    std::vector<std::int32_t> writtenDwords;

    LoggedRegistry() {
        app::RegistryEntries entries;
        entries.open = [this](HKEY root, const char* key, DWORD options, REGSAM access, HKEY* opened) {
            openAccess.push_back(access);
            return RegOpenKeyExA(root, key, options, access, opened);
        };
        entries.setValue = [this](HKEY key, const char* field, DWORD reserved, DWORD type, const BYTE* data,
                                  DWORD size) {
            if (type == REG_DWORD && size == 4) writtenDwords.push_back(*reinterpret_cast<const std::int32_t*>(data));
            return RegSetValueExA(key, field, reserved, type, data, size);
        };
        app::SetRegistryEntries(std::move(entries));
    }
    ~LoggedRegistry() { app::SetRegistryEntries({}); }
    LoggedRegistry(const LoggedRegistry&) = delete;
    LoggedRegistry& operator=(const LoggedRegistry&) = delete;
};

TEST_F(ApplyClickTest, OpensTheKeyWithAccess0x3F) {
    testing_support::CreateKey(HKEY_LOCAL_MACHINE, app::kTweakKey);
    LoggedRegistry registry;
    app::ApplyShutdownTweak(nullptr);
    // Query, set, create subkey, enumerate, notify and create link; no standard rights.
    EXPECT_EQ(registry.openAccess, (std::vector<REGSAM>{0x3F}));
}

TEST_F(ApplyClickTest, WritesTheValueAgainWhenItAlreadyHolds1000) {
    testing_support::CreateKey(HKEY_LOCAL_MACHINE, app::kTweakKey);
    app::ApplyShutdownTweak(nullptr);
    ASSERT_EQ(ReadRawValue(HKEY_LOCAL_MACHINE, app::kTweakKey, app::kTweakField)->data,
              (Bytes{0xE8, 0x03, 0x00, 0x00}));
    recorder.boxes.clear();

    LoggedRegistry registry;
    app::ApplyShutdownTweak(nullptr);
    EXPECT_EQ(registry.writtenDwords, (std::vector<std::int32_t>{1000})) << "the value is written, not looked at";
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].title, L"Success!");
}

}  // namespace
