#include "controls/aerobutton/export_probe.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using aerobutton::ProbeExport;

// A system module this test program does not load by itself.
constexpr wchar_t kSpareModule[] = L"msimg32.dll";

bool IsLoaded(const wchar_t* module) { return GetModuleHandleW(module) != nullptr; }

TEST(ProbeExport, FindsTheLeaveTrackingEntryPointsOfBothModules) {
    EXPECT_TRUE(ProbeExport(L"TrackMouseEvent", L"User32"));
    EXPECT_TRUE(ProbeExport(L"_TrackMouseEvent", L"Comctl32"));
}

TEST(ProbeExport, AMissingFunctionOfALoadedModuleIsFalse) {
    EXPECT_FALSE(ProbeExport(L"NoSuchFunctionAnywhere", L"User32"));
    EXPECT_TRUE(IsLoaded(L"user32.dll"));
}

TEST(ProbeExport, AModuleThatCannotBeFoundIsFalse) {
    EXPECT_FALSE(ProbeExport(L"TrackMouseEvent", L"NoSuchModuleTarnwick"));
}

TEST(ProbeExport, AModuleLoadedForTheQuestionIsReleasedAgain) {
    ASSERT_FALSE(IsLoaded(kSpareModule));
    EXPECT_TRUE(ProbeExport(L"AlphaBlend", kSpareModule));
    EXPECT_FALSE(IsLoaded(kSpareModule));
    EXPECT_FALSE(ProbeExport(L"NoSuchFunctionAnywhere", kSpareModule));
    EXPECT_FALSE(IsLoaded(kSpareModule));
}

TEST(ProbeExport, AModuleLoadedAlreadyKeepsItsReferencesUnchanged) {
    ASSERT_FALSE(IsLoaded(kSpareModule));
    HMODULE module = LoadLibraryW(kSpareModule);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(ProbeExport(L"AlphaBlend", kSpareModule));
    // Still loaded: the probe released nothing it had not loaded ...
    EXPECT_TRUE(IsLoaded(kSpareModule));
    FreeLibrary(module);
    // ... and kept no reference of its own.
    EXPECT_FALSE(IsLoaded(kSpareModule));
}

}  // namespace
