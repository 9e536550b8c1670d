#include "picture_export.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace tikaroo::cli {

namespace {

// A writer keeps a canvas of up to about 170 MB for a damaged level drawn cut at the canvas limit; four
// stay under 1 GB together and give the pictures' worth of work enough cores.
constexpr int kMaxWriters = 4;

// The targets handed out in order and the outcomes coming back, shared by the threads.
class OutcomeBoard {
public:
    explicit OutcomeBoard(std::size_t count) : outcomes_(count) {}

    // The next target to write, or nothing once all are taken or one has failed.
    std::optional<std::size_t> Take() {
        const std::lock_guard lock(mutex_);
        if (stopped_ || next_ == outcomes_.size()) return std::nullopt;
        return next_++;
    }
    void Put(std::size_t index, PictureOutcome outcome) {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = stopped_ || outcome.result != PictureOutcome::Result::Written;
            outcomes_[index] = std::move(outcome);
        }
        arrived_.notify_all();
    }
    // Waits for the outcome of a target that was taken.
    PictureOutcome Await(std::size_t index) {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [&] { return outcomes_[index].has_value(); });
        return *outcomes_[index];
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::optional<PictureOutcome>> outcomes_;
    std::size_t next_ = 0;
    bool stopped_ = false;
};

} // namespace

void WritePictures(const CGameRom& rom, const MarkerSheetSet& sheets, PictureSettings settings,
                   const std::vector<PictureTarget>& targets, const OutcomeReport& report) {
    OutcomeBoard board(targets.size());
    QThreadPool pool;
    const int threads = static_cast<int>(std::min<std::size_t>(
        static_cast<std::size_t>(std::clamp(QThread::idealThreadCount(), 1, kMaxWriters)), targets.size()));
    pool.setMaxThreadCount(std::max(threads, 1));
    for (int thread = 0; thread < threads; ++thread) {
        pool.start([&] {
            CPictureWriter writer(rom, sheets, settings);
            while (const std::optional<std::size_t> index = board.Take())
                board.Put(*index, writer.Write(targets[*index]));
        });
    }
    // Every target before the first failure was taken, so each awaited outcome comes.
    for (std::size_t index = 0; index < targets.size(); ++index) {
        const PictureOutcome outcome = board.Await(index);
        report(targets[index], outcome);
        if (outcome.result != PictureOutcome::Result::Written) break;
    }
    pool.waitForDone();
}

} // namespace tikaroo::cli
