// The saver as its own process, ended by a key as a user ends it:
//   bench_saver_runs exit SOUNDS   a copy of the saver whose document holds SOUNDS looping
//                                  sound objects of one 1 MiB WAVE file: how soon after the
//                                  key its windows go and its process ends (three runs)
//   bench_saver_runs heavy [CLASS...]
//                                  copies of the saver whose documents are the heavy documents
//                                  (bench/HeavyDocuments) with hostile and with normal values:
//                                  the saver's peak memory before the key, and how soon after
//                                  the key its process ends (three runs of each hostile one)
//   bench_saver_runs repeat RUNS   the saver itself, RUNS times in a row: every exit code, and
//                                  whether its music folder is gone after each run
//   bench_saver_runs end           a key to the saver running on this display (scripts/run)
//   bench_saver_runs copy DOCUMENT FOLDER
//                                  a copy of the saver in FOLDER whose document is DOCUMENT's
//                                  bytes (scripts/bench-process, one slide of the scene)
// The saver is the one a user installs, build/bin/VelmoraGlow.scr with common_res.dll beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchDocuments.h"
#include "FigureLine.h"
#include "HeavyDocuments.h"
#include "ProcessMemory.h"
#include "audio/MusicFolder.h"

namespace {

const wchar_t kSaverClass[] = L"GlowSaverWndClass";

const char kSaverPath[] = VG_SAVER_PATH;

std::wstring SaverPath() { return std::wstring(kSaverPath, kSaverPath + sizeof kSaverPath - 1); }

std::wstring SaverFolder() {
    const std::wstring saver = SaverPath();
    return saver.substr(0, saver.find_last_of(L"\\/") + 1);
}

std::vector<HWND> SaverWindows(DWORD process) {
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search = {process, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = L"";
            GetClassNameW(window, name, 64);
            if ((s->process == 0 || owner == s->process) && wcscmp(name, kSaverClass) == 0) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool AnyVisible(const std::vector<HWND>& windows) {
    return std::any_of(windows.begin(), windows.end(), [](HWND w) { return IsWindow(w) && IsWindowVisible(w); });
}

struct RunResult {
    bool started = false;
    DWORD exitCode = 0;
    double hiddenSeconds = -1;  // key to the last window hidden
    double exitSeconds = -1;    // key to the process gone
    double peakMiB = 0;         // the saver's peak working set before the key
};

// Starts the saver full screen, lets it play for a while once its loop takes messages (the
// document read, its slides prepared), presses a key and waits for the end.
RunResult RunOnce(const std::wstring& saver, DWORD playMilliseconds) {
    RunResult run;
    std::wstring line = L"\"" + saver + L"\" /s";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(saver.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return run;
    std::vector<HWND> windows;
    const double start = bench::WallSeconds();
    while ((windows = SaverWindows(process.dwProcessId)).empty() && bench::WallSeconds() - start < 60 &&
           WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT) {
    }
    DWORD_PTR answer = 0;
    // The second frame opens the document: the loop answers once that is done.
    Sleep(1000);
    if (!windows.empty()) SendMessageTimeoutW(windows[0], WM_NULL, 0, 0, SMTO_NORMAL, 120000, &answer);
    Sleep(playMilliseconds);
    if (!windows.empty()) {
        run.started = true;
        run.peakMiB = bench::MemoryOfProcess(process.hProcess).peak;
        const double key = bench::WallSeconds();
        PostMessageW(windows[0], WM_KEYDOWN, VK_SPACE, 0);
        while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT && bench::WallSeconds() - key < 120)
            if (run.hiddenSeconds < 0 && !AnyVisible(windows)) run.hiddenSeconds = bench::WallSeconds() - key;
        if (run.hiddenSeconds < 0) run.hiddenSeconds = bench::WallSeconds() - key;
        run.exitSeconds = bench::WallSeconds() - key;
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

// A copy of the saver in the folder, with the built-in module beside it, whose resource 107 is
// the document.
std::wstring SaverWithDocument(const std::vector<uint8_t>& document, const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"VelmoraGlow.scr";
    if (!CopyFileW(SaverPath().c_str(), copy.c_str(), FALSE) ||
        !CopyFileW((SaverFolder() + L"common_res.dll").c_str(), (folder + L"common_res.dll").c_str(), FALSE))
        return {};
    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    if (!update) return {};
    UpdateResourceW(update, L"KDV", MAKEINTRESOURCEW(107), 0, const_cast<uint8_t*>(document.data()),
                    DWORD(document.size()));
    return EndUpdateResourceW(update, FALSE) ? copy : std::wstring();
}

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"vg-saver-runs\\";
}

struct EndRuns {
    bool started = false;
    bool allZero = true;
    std::vector<double> hidden, exits, peaks;

    double Worst() const { return *std::max_element(exits.begin(), exits.end()); }
    // Process gone (median and worst), windows hidden, exit codes.
    std::string Summary() const {
        return "process gone, median of " + std::to_string(exits.size()) + " (worst " +
               bench::Format(Worst() * 1000, 0, "ms") + "); windows hidden after " +
               bench::Format(bench::Median(hidden) * 1000, 0, "ms") +
               (allZero ? ", exit codes 0" : ", AN EXIT CODE NOT 0");
    }
};

// A copy of the saver with the document, played for a few seconds and ended by a key, `runs`
// times.
EndRuns EndAfterKey(const std::vector<uint8_t>& document, int runs) {
    EndRuns ends;
    const std::wstring saver = SaverWithDocument(document, TempFolder());
    if (saver.empty()) {
        std::fprintf(stderr, "no copy of the saver with the document\n");
        return ends;
    }
    for (int run = 0; run < runs; ++run) {
        const RunResult result = RunOnce(saver, 3000);
        if (!result.started) {
            std::fprintf(stderr, "the saver did not start\n");
            return ends;
        }
        ends.allZero = ends.allZero && result.exitCode == 0;
        ends.hidden.push_back(result.hiddenSeconds);
        ends.exits.push_back(result.exitSeconds);
        ends.peaks.push_back(result.peakMiB);
    }
    ends.started = true;
    return ends;
}

int ExitWithSounds(int count) {
    const EndRuns ends = EndAfterKey(bench::SoundObjectsDocument(count), 3);
    if (!ends.started) return 1;
    bench::PrintFigure("end after a key, " + std::to_string(count) + " sounds",
                       bench::Format(bench::Median(ends.exits) * 1000, 0, "ms"),
                       ends.Summary() + (ends.Worst() < 1 && ends.allZero ? " (target < 1 s met)" : " (target < 1 s MISSED)"));
    return 0;
}

int ExitHeavy(const std::vector<std::string>& names) {
    constexpr double kMemoryTargetMiB = 64;
    int status = 0;
    for (const bench::HeavyClass& heavy : bench::HeavyClasses()) {
        if (!names.empty() && std::find(names.begin(), names.end(), heavy.name) == names.end()) continue;
        const EndRuns hostile = EndAfterKey(bench::HeavyDocument(heavy.name, true), 3);
        const EndRuns normal = EndAfterKey(bench::HeavyDocument(heavy.name, false), 1);
        if (!hostile.started || !normal.started) {
            status = 1;
            continue;
        }
        const double peak = *std::max_element(hostile.peaks.begin(), hostile.peaks.end());
        const double added = peak - normal.peaks.front();
        const bool met = hostile.Worst() < 1 && hostile.allZero && added <= kMemoryTargetMiB;
        bench::PrintFigure(std::string("end after a key, ") + heavy.what,
                           bench::Format(bench::Median(hostile.exits) * 1000, 0, "ms"),
                           hostile.Summary() + "; peak memory " + bench::Format(peak, 1, "MiB") + ", " +
                               bench::Format(added, 1, "MiB") + " over normal values" +
                               (met ? " (targets < 1 s, <= 64 MiB met)" : " (targets < 1 s, <= 64 MiB MISSED)"));
        std::fflush(stdout);
    }
    return status;
}

int Repeat(int runs) {
    const std::wstring saver = SaverPath();
    std::map<DWORD, int> codes;
    int leftMusic = 0;
    std::vector<double> ends;
    for (int run = 0; run < runs; ++run) {
        const RunResult result = RunOnce(saver, 1500 + 500 * (run % 4));
        if (!result.started) ++codes[0xFFFFFFFF];
        else ++codes[result.exitCode];
        if (result.exitCode != 0) std::printf("run %d: exit code 0x%08lx\n", run + 1, result.exitCode);
        if (GetFileAttributesW(MusicFolder::BaseFolder().c_str()) != INVALID_FILE_ATTRIBUTES) ++leftMusic;
        ends.push_back(result.exitSeconds);
        std::fflush(stdout);
    }
    std::string summary;
    for (const auto& [code, count] : codes) {
        char text[64];
        std::snprintf(text, sizeof text, "%s%d with 0x%08lx", summary.empty() ? "" : ", ", count, code);
        summary += text;
    }
    std::sort(ends.begin(), ends.end());
    const double nineteenth = ends.empty() ? 0 : ends[ends.size() * 19 / 20];
    bench::PrintFigure("full-screen runs ended by a key", std::to_string(runs),
                       summary + "; music folder left after " + std::to_string(leftMusic) +
                           "; key to process gone: median " + bench::Format(bench::Median(ends) * 1000, 0, "ms") +
                           ", 95th percentile " + bench::Format(nineteenth * 1000, 0, "ms") + ", slowest " +
                           bench::Format((ends.empty() ? 0 : ends.back()) * 1000, 0, "ms") +
                           (codes.size() == 1 && codes.count(0) && leftMusic == 0 ? " (all clean)" : " (NOT ALL CLEAN)"));
    return codes.size() == 1 && codes.count(0) && leftMusic == 0 ? 0 : 1;
}

int EndRunningSaver() {
    const std::vector<HWND> windows = SaverWindows(0);
    for (HWND window : windows) PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    return windows.empty() ? 1 : 0;
}

int CopyWithDocument(const char* path, const char* folder) {
    std::vector<uint8_t> document;
    if (!bench::ReadFileBytes(path, document)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    std::wstring wide;
    for (const char* c = folder; *c; ++c) wide += wchar_t(static_cast<unsigned char>(*c));
    if (SaverWithDocument(document, wide + L"\\").empty()) {
        std::fprintf(stderr, "no copy of the saver in %s\n", folder);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "exit" && argc == 3) return ExitWithSounds(std::atoi(argv[2]));
    if (command == "heavy") return ExitHeavy(std::vector<std::string>(argv + 2, argv + argc));
    if (command == "repeat" && argc == 3) return Repeat(std::atoi(argv[2]));
    if (command == "end") return EndRunningSaver();
    if (command == "copy" && argc == 4) return CopyWithDocument(argv[2], argv[3]);
    std::fprintf(stderr, "usage: bench_saver_runs exit SOUNDS | heavy [CLASS...] | repeat RUNS | end | copy DOCUMENT FOLDER\n");
    return 2;
}
