#pragma once
// The balance lab's widgets, for openBalanceLab and for tests. The battles run on worker
// threads; the dialog polls their progress and shows the table when they are done.

#include <QDialog>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "vexmora/rules/folder_simulation.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace vex {

class BalanceLabDialog : public QDialog {
    Q_OBJECT
public:
    BalanceLabDialog(const MonsterRecord& monster, const fs::path& folder, QWidget* parent = nullptr);
    ~BalanceLabDialog() override;

    // Fixes the seed of the next runs (otherwise each run takes the clock's).
    void setSeed(uint64_t seed) { fixedSeed_ = seed; }
    bool running() const { return worker_.joinable(); }
    const std::optional<FolderSimulation>& lastRun() const { return run_; }

    QLineEdit* folderBox() const { return folder_; }
    QSpinBox* battlesBox() const { return battles_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLabel() const { return status_; }
    QTableWidget* opponentTable() const { return opponents_; }
    QTableWidget* slotTable() const { return slots_; }

    void start();
    void stop();

signals:
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void chooseFolder();
    void finished();
    void fillOpponents();
    void fillSlots();
    void setRunning(bool running);

    MonsterRecord monster_;
    std::optional<uint64_t> fixedSeed_;
    std::thread worker_;
    std::atomic<bool> cancel_flag_{false};
    std::atomic<int64_t> done_{0};
    std::atomic<int64_t> total_{0};
    std::shared_ptr<FolderSimulation> pending_;  // handed over by the worker, taken in finished()
    std::optional<FolderSimulation> run_;

    QLineEdit* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QSpinBox* battles_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* opponents_ = nullptr;
    QLabel* slotCaption_ = nullptr;
    QTableWidget* slots_ = nullptr;
    QTimer* poll_ = nullptr;
};

}  // namespace vex
