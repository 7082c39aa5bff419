#include "vexmora/ui/report_task.h"

#include <QTimer>
#include <atomic>
#include <thread>

#include "vexmora/report/curl_ftp_client.h"

namespace vex::ui {

namespace {

// What the transfer thread hands back. The thread owns nothing of the window: once `done` is
// set it no longer touches this.
struct Shared {
    std::atomic<bool> done{false};
    ReportOutcome outcome;
};

constexpr int kPollMs = 50;

}  // namespace

bool reportResult(const std::string& serverFile, const ReportedResult& result, QObject* owner,
                  ReportCallbacks callbacks, std::shared_ptr<FtpClient> client) {
    if (serverFile.empty()) return false;
    if (callbacks.chatLine) callbacks.chatLine(kReportStarting);
    if (!client) client = std::make_shared<CurlFtpClient>();
    auto shared = std::make_shared<Shared>();
    // The time-outs of the client bound the thread's life; it is never waited for.
    std::thread([shared, client, serverFile, result] {
        shared->outcome = runReport(fs::path(serverFile), result, *client);
        shared->done.store(true, std::memory_order_release);
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
