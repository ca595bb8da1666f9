#include "bench/process_figures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

constexpr int kStarts = 5;
constexpr DWORD kStartTimeoutMs = 30000;

// The file's size in KB; negative when it cannot be read.
double FileKilobytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    const unsigned long long bytes = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return static_cast<double>(bytes) / 1024.0;
}

// The committed private memory of the process, summed over its address space: what Windows
// reports as its private bytes. Wine's process counters leave that figure at zero for another
// process, so it is counted here region by region.
double CommittedPrivateKilobytes(HANDLE process) {
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* address = nullptr;
    while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return static_cast<double>(bytes) / 1024.0;
}

// Starts the program, waits until it first waits for input (its window shown and painted),
// reads its private memory and ends it. Negative when it does not start or never idles.
double PrivateKilobytesAfterStartup(const std::wstring& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    double kilobytes = -1;
    if (WaitForInputIdle(process.hProcess, kStartTimeoutMs) == 0)
        kilobytes = CommittedPrivateKilobytes(process.hProcess);
    // The process was started here for the measurement only: nothing of it needs to be kept.
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, kStartTimeoutMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kilobytes;
}

double MedianPrivateKilobytes(const std::wstring& path) {
    std::vector<double> samples;
    for (int i = 0; i < kStarts; ++i) {
        const double kilobytes = PrivateKilobytesAfterStartup(path);
        if (kilobytes < 0) return -1;
        samples.push_back(kilobytes);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

}  // namespace

void AddSizeRows(std::vector<SizeRow>& rows, const std::wstring& releasedExecutable, const std::wstring& program,
                 const std::wstring& minimal, const std::wstring& minimalCommonControls) {
    const double released = FileKilobytes(releasedExecutable);
    if (released < 0) {
        std::fprintf(stderr, "cannot read the size of %s\n", Narrow(releasedExecutable).c_str());
    } else {
        rows.push_back({"i686 Brintel.exe file size", released, -1, "< 200 KB"});
    }
    const double programMemory = MedianPrivateKilobytes(program);
    const double minimalMemory = MedianPrivateKilobytes(minimal);
    if (programMemory < 0 || minimalMemory < 0) {
        std::fprintf(stderr, "cannot measure the private memory of %s and %s\n", Narrow(program).c_str(),
                     Narrow(minimal).c_str());
        return;
    }
    rows.push_back({"private memory after start-up (vs minimal)", programMemory, minimalMemory, "<= +2048 KB"});
    if (minimalCommonControls.empty()) return;
    const double commonControlsMemory = MedianPrivateKilobytes(minimalCommonControls);
    if (commonControlsMemory < 0) {
        std::fprintf(stderr, "cannot measure the private memory of %s\n", Narrow(minimalCommonControls).c_str());
        return;
    }
    rows.push_back(
        {"private memory after start-up (vs minimal + Common Controls 6)", programMemory, commonControlsMemory, ""});
}

}  // namespace bench
