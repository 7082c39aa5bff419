#pragma once
// "ダメージ計算": what each slot of the monster as it stands in the editor does to a defender
// from a folder, on a chosen stage — hit chance, the damage of a landed hit and how it spreads,
// the critical and status chances, the turns to a knock-out — worked out by the damage
// calculator `vexmora-cli calc` uses. Writes nothing to any file.
//
// The calculator runs on a worker thread (it takes a fraction of a second); the dialog shows
// its result when it is done and calculates again whenever the defender or the stage changes.

#include <QDialog>
#include <QWidget>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "vexmora/battle/calc_text.h"
#include "vexmora/rules/folder_simulation.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace vex {

// Modal. `folder` holds the defenders to choose from (normally the program's Data).
void openDamageCalc(QWidget* parent, const MonsterRecord& monster, const fs::path& folder);

// A small bar chart of a damage distribution: one bar per range of damage, the least and the
// greatest damage below it.
class DamageChart final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBars = 10;
    explicit DamageChart(const CalcDamage& damage, QWidget* parent = nullptr);
    const std::vector<DamageRange>& ranges() const { return ranges_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DamageRange> ranges_;
    int min_ = 0;
    int max_ = 0;
};

class DamageCalcDialog final : public QDialog {
    Q_OBJECT
public:
    enum Column { kColSlot, kColHit, kColDamage, kColChart, kColCritical, kColStatus, kColPerUse, kColKnockOut,
                  kColMethod, kColumns };

    DamageCalcDialog(const MonsterRecord& attacker, const fs::path& folder, QWidget* parent = nullptr);
    ~DamageCalcDialog() override;

    // Calculates for the chosen defender and stage (again once the running calculation is
    // done, when one runs).
    void calculate();
    bool running() const { return worker_.joinable(); }
    const std::optional<CalcResult>& lastResult() const { return result_; }
    // The defenders the box offers, in its order.
    const std::vector<FolderOpponent>& defenders() const { return defenders_.opponents; }

    QComboBox* defenderBox() const { return defender_; }
    QSpinBox* stageBox() const { return stage_; }
    QLabel* statusLabel() const { return status_; }
    QTableWidget* table() const { return table_; }
    DamageChart* chart(int slot) const;

signals:
    void calculated();

protected:
    void reject() override;

private:
    void finished(std::shared_ptr<CalcResult> result);
    void fill();

    MonsterRecord attacker_;
    FolderOpponents defenders_;
    int stageCount_ = 1;
    std::thread worker_;
    bool again_ = false;
    std::optional<CalcResult> result_;

    QComboBox* defender_ = nullptr;
    QSpinBox* stage_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* legend_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace vex
