#include "vexmora/ui/report/report_task.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "vexmora/report/curl_ftp_client.h"

namespace vex::ui {

namespace {

// What a transfer thread hands back. The thread owns nothing of the window: once `done` is
// set it no longer touches this.
struct Shared {
    std::atomic<bool> done{false};
    ReportOutcome outcome;
};

// The reports still running. When the program quits they are cancelled and given a moment
// to end, so no transfer outlives the program's own clean-up.
class InFlight {
public:
    static InFlight& instance() {
        static InFlight* reports = new InFlight;  // never destroyed: threads may still use it
        return *reports;
    }
    std::shared_ptr<std::atomic<bool>> begin() {
        std::lock_guard lock(mutex_);
        auto cancel = std::make_shared<std::atomic<bool>>(false);
        cancels_.push_back(cancel);
        return cancel;
    }
    void end(const std::shared_ptr<std::atomic<bool>>& cancel) {
        std::lock_guard lock(mutex_);
        std::erase(cancels_, cancel);
        ended_.notify_all();
    }
    void cancelAllAndWait(std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex_);
        for (const auto& cancel : cancels_) cancel->store(true);
        ended_.wait_for(lock, patience, [this] { return cancels_.empty(); });
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    std::vector<std::shared_ptr<std::atomic<bool>>> cancels_;
};

constexpr int kPollMs = 50;
constexpr std::chrono::milliseconds kQuitPatience{3000};

void cancelReportsWhenQuitting() {
    static std::once_flag once;
    if (!QCoreApplication::instance()) return;
    std::call_once(once, [] {
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &endRunningReports);
    });
}

}  // namespace

void endRunningReports() { InFlight::instance().cancelAllAndWait(kQuitPatience); }

bool reportResult(const std::string& serverFile, const ReportedResult& result, QObject* owner,
                  ReportCallbacks callbacks, std::shared_ptr<FtpClient> client) {
    if (serverFile.empty()) return false;
    if (callbacks.chatLine) callbacks.chatLine(kReportStarting);
    cancelReportsWhenQuitting();
    std::shared_ptr<std::atomic<bool>> cancel = InFlight::instance().begin();
    if (!client) client = std::make_shared<CurlFtpClient>(FtpTimeouts{}, cancel);
    auto shared = std::make_shared<Shared>();
    // The client's time-outs bound the thread's life; it is never waited for, but when the
    // program quits.
    std::thread([shared, client, cancel, serverFile, result] {
        shared->outcome = runReport(fs::path(serverFile), result, *client);
        shared->done.store(true, std::memory_order_release);
        InFlight::instance().end(cancel);
    }).detach();

    auto* poll = new QTimer(owner);
    poll->setInterval(kPollMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, shared, callbacks = std::move(callbacks)] {
        if (!shared->done.load(std::memory_order_acquire)) return;
        poll->stop();
        poll->deleteLater();
        const ReportOutcome& outcome = shared->outcome;
        if (callbacks.chatLine)
            for (size_t i = 1; i < outcome.chatLines.size(); ++i) callbacks.chatLine(outcome.chatLines[i]);
        if (callbacks.finished) callbacks.finished(outcome);
    });
    poll->start();
    return true;
}

}  // namespace vex::ui
