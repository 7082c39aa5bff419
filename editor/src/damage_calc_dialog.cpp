#include "vexmora/editor/damage_calc_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "vexmora/battle/hit_explanation.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/gui/language.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

namespace {

using gui::qtText;

// A figure, marked * when it was sampled.
QString figure(const std::string& text, CalcMethod method) {
    return qtText(text) + (method == CalcMethod::Sampled ? QStringLiteral("*") : QString());
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

bool anySampled(const SlotCalc& s) {
    return s.hit.method == CalcMethod::Sampled || s.critical.method == CalcMethod::Sampled ||
           s.hitDamage.method == CalcMethod::Sampled || s.useMethod == CalcMethod::Sampled;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The chart

DamageChart::DamageChart(const CalcDamage& damage, QWidget* parent)
    : QWidget(parent), ranges_(damageRanges(damage, kBars)), min_(damage.min), max_(damage.max) {
    QStringList tip;
    for (const DamageRange& range : ranges_)
        tip << QStringLiteral("%1：%2 %").arg(qtText(damageRangeText(range)), qtText(calcPercentText(range.chance)));
    setToolTip(tip.join(QLatin1Char('\n')));
}

QSize DamageChart::sizeHint() const { return {150, 46}; }

void DamageChart::paintEvent(QPaintEvent*) {
    if (ranges_.empty()) return;
    QPainter painter(this);
    const int labelHeight = fontMetrics().height();
    const QRect area = rect().adjusted(4, 3, -4, -labelHeight - 1);
    double highest = 0;
    for (const DamageRange& range : ranges_) highest = std::max(highest, range.chance);
    // Bars stand where their range lies between the least and the greatest damage.
    const int span = std::max(1, max_ - min_ + 1);
    for (const DamageRange& range : ranges_) {
        const int left = area.left() + area.width() * (range.low - min_) / span;
        const int right = area.left() + area.width() * (range.high - min_ + 1) / span;
        const int height = std::max(1, static_cast<int>(area.height() * range.chance / highest));
        painter.fillRect(QRect(left, area.bottom() - height + 1, std::max(1, right - left - 1), height),
                         QColor(214, 96, 64));
    }
    painter.setPen(QColor(60, 60, 70));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const QRect labels(area.left(), area.bottom() + 1, area.width(), labelHeight);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, QString::number(min_));
    if (max_ != min_) painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, QString::number(max_));
}

// ---------------------------------------------------------------------------------------
// The dialog

DamageCalcDialog::DamageCalcDialog(const MonsterRecord& attacker, const fs::path& folder, QWidget* parent)
    : QDialog(parent), attacker_(attacker) {
    setWindowTitle(tr("ダメージ計算 － %1").arg(qtText(attacker.name)));
    resize(1040, 460);
    auto* layout = new QVBoxLayout(this);
    auto* setup = new QHBoxLayout;
    setup->addWidget(new QLabel(tr("相手"), this));
    defender_ = new QComboBox(this);
    defender_->setMinimumContentsLength(14);
    setup->addWidget(defender_, 1);
    setup->addSpacing(16);
    setup->addWidget(new QLabel(tr("ステージ"), this));
    stage_ = new QSpinBox(this);
    stageCount_ = std::max(1, stageCountIn(programFolder()));
    stage_->setRange(0, stageCount_ - 1);
    setup->addWidget(stage_);
    layout->addLayout(setup);

    status_ = plainLabel(new QLabel(this));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    table_ = new QTableWidget(5, kColumns, this);
    table_->setHorizontalHeaderLabels({tr("技"), tr("命中率"), tr("ダメージ\n最小 / 中央 / 最大"), tr("ダメージの分布"),
                                       tr("クリティカル"), tr("状態異常"), tr("1回の平均"), tr("KO までのターン"),
                                       tr("求め方")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(52);
    layout->addWidget(table_, 1);

    legend_ = new QLabel(tr("* は標本から求めた値です（使用 %1 回）。そのほかは乱数の全ての場合から求めた厳密な値です。"
                            "KO までのターンは、技を使えるときは毎ターン使い、相手はコンピュータが動かす対戦 %2 回の"
                            "中央値（最短 - 最長、KO できた回数）です。")
                             .arg(CalcSetup{}.sampledUses)
                             .arg(CalcSetup{}.sampledBattles),
                         this);
    legend_->setWordWrap(true);
    layout->addWidget(legend_);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(tr("閉じる"), this);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    // The defenders are read here: keying a file uses the process generator, which the worker
    // must not share.
    defenders_ = loadFolderOpponents(folder);
    for (const FolderOpponent& d : defenders_.opponents)
        defender_->addItem(QStringLiteral("%1（%2）").arg(qtText(d.record.name), qtText(d.file.filename().string())));

    connect(close, &QPushButton::clicked, this, &DamageCalcDialog::reject);
    connect(defender_, &QComboBox::currentIndexChanged, this, &DamageCalcDialog::calculate);
    connect(stage_, &QSpinBox::valueChanged, this, &DamageCalcDialog::calculate);
    calculate();
}

DamageCalcDialog::~DamageCalcDialog() {
    if (worker_.joinable()) worker_.join();
}

DamageChart* DamageCalcDialog::chart(int slot) const {
    return qobject_cast<DamageChart*>(table_->cellWidget(slot, kColChart));
}

void DamageCalcDialog::calculate() {
    if (running()) {
        again_ = true;
        return;
    }
    const int index = defender_->currentIndex();
    if (index < 0 || static_cast<size_t>(index) >= defenders_.opponents.size()) {
        status_->setText(tr("このフォルダには相手にできるモンスターがいません"));
        return;
    }
    CalcSetup setup;
    setup.settings.stageIndex = stage_->value();
    setup.stageCount = stageCount_;
    const MonsterRecord defender = defenders_.opponents[static_cast<size_t>(index)].record;
    status_->setText(tr("計算中…"));
    worker_ = std::thread([this, attacker = attacker_, defender, setup] {
        auto result = std::make_shared<CalcResult>(calculateDamage(attacker, defender, setup));
        // Dropped with the dialog when it goes first (the destructor joins this thread).
        QMetaObject::invokeMethod(this, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
}

void DamageCalcDialog::finished(std::shared_ptr<CalcResult> result) {
    if (worker_.joinable()) worker_.join();
    result_ = std::move(*result);
    fill();
    emit calculated();
    if (again_) {
        again_ = false;
        calculate();
    }
}

void DamageCalcDialog::fill() {
    const CalcResult& r = *result_;
    status_->setText(tr("%1 → %2　ステージ %3　相手の HP %4　最初のターン、相手は何もしない場合　（%5 秒）")
                         .arg(qtText(r.attacker), qtText(r.defender))
                         .arg(r.stage)
                         .arg(r.defenderHp)
                         .arg(r.seconds, 0, 'f', 2));
    for (int row = 0; row < 5; ++row) {
        const SlotCalc& s = r.slotCalcs[static_cast<size_t>(row)];
        QString title = s.name.empty() ? QStringLiteral("―") : qtText(s.name);
        if (s.level > 0) title += QStringLiteral(" Lv%1").arg(s.level);
        table_->setItem(row, kColSlot, new QTableWidgetItem(title));
        table_->removeCellWidget(row, kColChart);
        for (int column = kColHit; column < kColumns; ++column) table_->setItem(row, column, cell(QStringLiteral("―")));
        if (!s.usable) {
            table_->setItem(row, kColHit, cell(tr("最初のターンには選べません")));
            continue;
        }
        if (s.checksHit) table_->setItem(row, kColHit, cell(figure(calcPercentText(s.hit.value) + " %", s.hit.method)));
        if (calcSlotHits(s)) {
            table_->setItem(row, kColDamage, cell(figure(calcSpanText(s.hitDamage), s.hitDamage.method)));
            table_->setItem(row, kColChart, new QTableWidgetItem);
            table_->setCellWidget(row, kColChart, new DamageChart(s.hitDamage));
            table_->setItem(row, kColCritical,
                            cell(figure(calcPercentText(s.critical.value) + " %", s.critical.method)));
        }
        QStringList statuses;
        for (const CalcStatus& st : s.statuses)
            statuses << gui::displayText(gui::kBattleTextContext, statusName(st.status)) + QLatin1Char(' ') + figure(calcPercentText(st.chance) + " %", s.useMethod);
        if (!statuses.isEmpty()) table_->setItem(row, kColStatus, cell(statuses.join(QLatin1Char('\n'))));
        if (s.damages) table_->setItem(row, kColPerUse, cell(figure(calcMeanText(s.meanDamage), s.useMethod)));
        if (s.knockOutSampled)
            table_->setItem(row, kColKnockOut,
                            cell(calcSlotKnocksOut(s) ? qtText(knockOutText(s.knockOut)) + QStringLiteral("*") : tr("KO なし*")));
        table_->setItem(row, kColMethod, cell(anySampled(s) ? tr("標本 %1 回").arg(s.useSamples) : tr("厳密")));
    }
    table_->resizeColumnsToContents();
    table_->setColumnWidth(kColChart, std::max(table_->columnWidth(kColChart), 160));
    table_->horizontalHeader()->setSectionResizeMode(kColSlot, QHeaderView::Stretch);
}

void DamageCalcDialog::reject() {
    if (worker_.joinable()) worker_.join();
    QDialog::reject();
}

void openDamageCalc(QWidget* parent, const MonsterRecord& monster, const fs::path& folder) {
    DamageCalcDialog dialog(monster, folder, parent);
    dialog.exec();
}

}  // namespace vex
