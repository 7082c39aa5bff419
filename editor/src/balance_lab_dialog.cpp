#include "vexmora/editor/balance_lab_dialog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

#include "vexmora/data/stage_list.h"
#include "vexmora/editor/balance_lab_form.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {


// A cell that sorts by a number while it shows a text.
class NumberItem final : public QTableWidgetItem {
public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text) {
        setData(Qt::UserRole, key);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QString percent(double share) { return QString::number(100.0 * share, 'f', 1) + " %"; }

enum OpponentColumn { kColName, kColFile, kColRate, kColInterval, kColWins, kColLosses, kColKnockouts, kColTimeUps,
                      kColUnfinished, kColTurns, kOpponentColumns };

}  // namespace

BalanceLabDialog::BalanceLabDialog(const MonsterRecord& monster, const fs::path& folder, QWidget* parent)
    : QDialog(parent), monster_(monster) {
    setWindowTitle(tr("バランス確認 － ") + qtText(monster.name));
    resize(820, 600);
    auto* layout = new QVBoxLayout(this);
    auto* setup = new QGridLayout;
    setup->addWidget(new QLabel(tr("対戦相手のフォルダ"), this), 0, 0);
    folder_ = new QLineEdit(qtText(folder.string()), this);
    setup->addWidget(folder_, 0, 1, 1, 3);
    browse_ = new QPushButton(tr("参照…"), this);
    setup->addWidget(browse_, 0, 4);
    setup->addWidget(new QLabel(tr("１体あたりの対戦数"), this), 1, 0);
    battles_ = new QSpinBox(this);
    battles_->setRange(1, 100000);
    battles_->setValue(static_cast<int>(kDefaultLabBattles));
    setup->addWidget(battles_, 1, 1);
    start_ = new QPushButton(tr("開始"), this);
    cancel_ = new QPushButton(tr("中止"), this);
    setup->addWidget(start_, 1, 3);
    setup->addWidget(cancel_, 1, 4);
    setup->setColumnStretch(2, 1);
    layout->addLayout(setup);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    layout->addWidget(progress_);
    status_ = plainLabel(new QLabel(tr("相手のフォルダと対戦数を決めて「開始」を押してください"), this));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    opponents_ = new QTableWidget(0, kOpponentColumns, this);
    opponents_->setHorizontalHeaderLabels(
        {tr("相手"), tr("ファイル"), tr("勝率"), tr("95 % 区間"), tr("勝ち"), tr("負け"), "KO", tr("時間切れ"), tr("決着なし"), tr("平均ターン")});
    opponents_->setSelectionBehavior(QAbstractItemView::SelectRows);
    opponents_->setSelectionMode(QAbstractItemView::SingleSelection);
    opponents_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    opponents_->verticalHeader()->setVisible(false);
    opponents_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    opponents_->setSortingEnabled(true);
    layout->addWidget(opponents_, 3);

    slotCaption_ = plainLabel(new QLabel(tr("技の使われ方"), this));
    layout->addWidget(slotCaption_);
    slots_ = new QTableWidget(0, 6, this);
    slots_->setHorizontalHeaderLabels({tr("スロット"), tr("技"), tr("選択"), tr("使用"), tr("命中"), tr("命中率")});
    slots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    slots_->verticalHeader()->setVisible(false);
    slots_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    layout->addWidget(slots_, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(tr("閉じる"), this);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, [this] {
        const int64_t total = total_.load();
        if (total > 0) progress_->setValue(static_cast<int>(1000 * done_.load() / total));
    });
    connect(browse_, &QPushButton::clicked, this, &BalanceLabDialog::chooseFolder);
    connect(start_, &QPushButton::clicked, this, &BalanceLabDialog::start);
    connect(cancel_, &QPushButton::clicked, this, &BalanceLabDialog::stop);
    connect(close, &QPushButton::clicked, this, &BalanceLabDialog::reject);
    connect(opponents_, &QTableWidget::itemSelectionChanged, this, &BalanceLabDialog::fillSlots);
    setRunning(false);
}

BalanceLabDialog::~BalanceLabDialog() {
    cancel_flag_ = true;
    if (worker_.joinable()) worker_.join();
}

void BalanceLabDialog::setRunning(bool running) {
    start_->setEnabled(!running);
    browse_->setEnabled(!running);
    folder_->setEnabled(!running);
    battles_->setEnabled(!running);
    cancel_->setEnabled(running);
}

void BalanceLabDialog::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("対戦相手のフォルダ"), folder_->text());
    if (!chosen.isEmpty()) folder_->setText(chosen);
}

void BalanceLabDialog::start() {
    if (worker_.joinable()) return;
    const fs::path folder(folder_->text().toStdString());
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        status_->setText(tr("フォルダが見つかりません"));
        return;
    }
    // The opponents are read here: keying a file uses the process generator, which the
    // workers must not share.
    FolderOpponents opponents = loadFolderOpponents(folder);
    if (opponents.opponents.empty()) {
        status_->setText(tr("このフォルダには対戦できるモンスターがいません"));
        return;
    }
    SimulationSetup setup;
    setup.battles = battles_->value();
    setup.stageCount = stageCountIn(programFolder());
    setup.seed = fixedSeed_ ? *fixedSeed_
                            : static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                                        std::chrono::system_clock::now().time_since_epoch())
                                                        .count());
    const auto count = opponents.opponents.size();
    cancel_flag_ = false;
    done_ = 0;
    total_ = static_cast<int64_t>(count) * setup.battles;
    progress_->setValue(0);
    status_->setText(tr("%1 体と %2 回ずつ対戦中…").arg(count).arg(setup.battles));
    setRunning(true);
    poll_->start();
    worker_ = std::thread([this, setup, opponents = std::move(opponents)]() mutable {
        SimulationControl control;
        control.cancel = &cancel_flag_;
        control.progress = [this](int64_t done, int64_t) { done_ = done; };
        auto result = std::make_shared<FolderSimulation>(simulateAgainst(monster_, std::move(opponents), setup, control));
        // Dropped with the dialog when it goes first (the destructor joins this thread).
        QMetaObject::invokeMethod(
            this, [this, result] {
                pending_ = result;
                finished();
            },
            Qt::QueuedConnection);
    });
}

void BalanceLabDialog::stop() { cancel_flag_ = true; }

void BalanceLabDialog::finished() {
    if (worker_.joinable()) worker_.join();
    poll_->stop();
    setRunning(false);
    std::shared_ptr<FolderSimulation> result = std::move(pending_);
    if (!result || result->series.cancelled) {
        progress_->setValue(0);
        status_->setText(tr("中止しました"));
        emit runFinished();
        return;
    }
    progress_->setValue(1000);
    run_ = std::move(*result);
    const SeriesResult& s = run_->series;
    QString text = tr("%1 体 × %2 回：%3 秒（%4 スレッド、毎秒 %5 戦）　シード %6")
                       .arg(run_->opponents.size())
                       .arg(s.perOpponent.empty() ? 0 : s.perOpponent.front().battles)
                       .arg(s.seconds, 0, 'f', 2)
                       .arg(s.jobs)
                       .arg(s.seconds > 0 ? static_cast<double>(s.played) / s.seconds : 0.0, 0, 'f', 0)
                       .arg(s.perOpponent.empty() ? 0 : s.perOpponent.front().seed);
    for (const std::string& skipped : run_->skipped) text += tr("\n除外: ") + qtText(skipped);
    status_->setText(text);
    fillOpponents();
    fillSlots();
    emit runFinished();
}

void BalanceLabDialog::fillOpponents() {
    opponents_->setSortingEnabled(false);
    opponents_->clearContents();
    opponents_->setRowCount(static_cast<int>(run_->opponents.size()));
    for (size_t i = 0; i < run_->opponents.size(); ++i) {
        const SimulationResult& r = run_->series.perOpponent[i];
        const Proportion p = proportionOf(r.wins[0], r.battles);
        const int row = static_cast<int>(i);
        auto* name = new QTableWidgetItem(qtText(run_->opponents[i].record.name));
        name->setData(Qt::UserRole, static_cast<int>(i));
        opponents_->setItem(row, kColName, name);
        opponents_->setItem(row, kColFile, new QTableWidgetItem(qtText(run_->opponents[i].file.filename().string())));
        opponents_->setItem(row, kColRate, new NumberItem(percent(p.rate), p.rate));
        opponents_->setItem(row, kColInterval, new NumberItem(percent(p.low) + " – " + percent(p.high), p.low));
        opponents_->setItem(row, kColWins, new NumberItem(QString::number(r.wins[0]), static_cast<double>(r.wins[0])));
        opponents_->setItem(row, kColLosses, new NumberItem(QString::number(r.wins[1]), static_cast<double>(r.wins[1])));
        opponents_->setItem(row, kColKnockouts,
                            new NumberItem(QString::number(r.knockouts), static_cast<double>(r.knockouts)));
        opponents_->setItem(row, kColTimeUps, new NumberItem(QString::number(r.timeUps), static_cast<double>(r.timeUps)));
        opponents_->setItem(row, kColUnfinished,
                            new NumberItem(QString::number(r.unfinished), static_cast<double>(r.unfinished)));
        opponents_->setItem(row, kColTurns, new NumberItem(QString::number(r.meanTurns(), 'f', 1), r.meanTurns()));
    }
    opponents_->setSortingEnabled(true);
    opponents_->sortByColumn(kColRate, Qt::AscendingOrder);
    opponents_->resizeColumnsToContents();
    opponents_->horizontalHeader()->setSectionResizeMode(kColName, QHeaderView::Stretch);
}

void BalanceLabDialog::fillSlots() {
    if (!run_) return;
    std::vector<SimulationResult> chosen;
    QString caption = tr("技の使われ方（全ての相手）");
    const auto selected = opponents_->selectedItems();
    if (!selected.isEmpty()) {
        const int row = selected.front()->row();
        const size_t index = static_cast<size_t>(opponents_->item(row, kColName)->data(Qt::UserRole).toInt());
        chosen.push_back(run_->series.perOpponent[index]);
        caption = tr("技の使われ方（") + qtText(run_->opponents[index].record.name) + tr(" 戦）");
    } else {
        chosen = run_->series.perOpponent;
    }
    slotCaption_->setText(caption);
    const auto tallies = slotTallies(monster_, chosen);
    slots_->setRowCount(static_cast<int>(tallies.size()));
    for (size_t i = 0; i < tallies.size(); ++i) {
        const TechniqueTally& t = tallies[i];
        const int row = static_cast<int>(i);
        slots_->setItem(row, 0, new QTableWidgetItem(tr("技%1").arg(row + 1)));
        slots_->setItem(row, 1, new QTableWidgetItem(qtText(t.name)));
        slots_->setItem(row, 2, new NumberItem(QString::number(t.chosen), static_cast<double>(t.chosen)));
        slots_->setItem(row, 3, new NumberItem(QString::number(t.used), static_cast<double>(t.used)));
        slots_->setItem(row, 4, new NumberItem(QString::number(t.landed), static_cast<double>(t.landed)));
        const double share = t.used > 0 ? static_cast<double>(t.landed) / static_cast<double>(t.used) : 0.0;
        slots_->setItem(row, 5, new NumberItem(t.used > 0 ? percent(share) : QStringLiteral("―"), share));
    }
    slots_->resizeColumnsToContents();
    slots_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void BalanceLabDialog::closeEvent(QCloseEvent* event) {
    stop();
    if (worker_.joinable()) worker_.join();
    pending_.reset();
    QDialog::closeEvent(event);
}

void BalanceLabDialog::reject() {
    stop();
    if (worker_.joinable()) worker_.join();
    QDialog::reject();
}

void openBalanceLab(QWidget* parent, const MonsterRecord& monster, const std::filesystem::path& folder) {
    BalanceLabDialog dialog(monster, folder, parent);
    dialog.exec();
}

}  // namespace vex
