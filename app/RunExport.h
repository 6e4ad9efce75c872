#pragma once
// A run of the active view for slides: an animated GIF (a frame a step), a
// video (MP4 or WebM, each step held for its time) or a PDF (a page a step), each frame the canvas at that step as export draws
// it, with the step's narration in a caption line beneath. The file is made
// whole in memory and written in one go: a cancelled or failed export leaves
// no file.

#include <QString>
#include <cstdint>
#include <functional>

class CZarniView;

struct RunExportOptions {
    int scale = 1;
    int64_t from = 0;
    int64_t to = -1;   // -1: the run's last step
    int msPerStep = 500;
    bool captions = true;
    int passMark = 80; // a learning platform's package: the percentage that passes
    long long maxBytes = 2000LL * 1000 * 1000; // the largest file made
};

enum class RunExportFailure { None, UnknownType, NoRun, BadRange, TooLarge, TooManyFrames, PageTooManyNodes, PageTooManySteps, Cancelled, Write };

struct RunExportResult {
    RunExportFailure failure = RunExportFailure::None;
    QString reason;
    explicit operator bool() const { return failure == RunExportFailure::None; }
};

constexpr int64_t kMaxRunFrames = 100000;

bool IsRunExportType(const QString &path);
// progress(done, total) is told after each frame; false cancels.
RunExportResult ExportRun(CZarniView *view, const QString &path, RunExportOptions options,
                          const std::function<bool(int64_t, int64_t)> &progress = {});
QString DescribeRunExportFailure(const RunExportResult &result, const QString &path, bool commandLine);
