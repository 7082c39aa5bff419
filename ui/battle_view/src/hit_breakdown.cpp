#include "vexmora/ui/battle_view/hit_breakdown.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "vexmora/gui/battle_geometry.h"
#include "vexmora/gui/display_wording.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"
#include "vexmora/gui/window_scale.h"
#include "vexmora/ui/battle_view/battle_session.h"

namespace vex::ui {

namespace {

// Lengths in calc() grow with the window's scale (gui::scaledStyle).
const char* const kPanelStyle = R"(
QFrame#hitBreakdown {
    background: rgba(12, 12, 28, 228); border: calc(1px) solid #ffc850; border-radius: calc(4px);
}
QLabel { color: #f6f0dc; background: transparent; font-size: calc(9pt); }
QLabel#hitBreakdownHint { color: #9aa0c8; font-size: calc(8pt); }
)";

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << gui::qtText(line);
    return out.join(QLatin1Char('\n'));
}

}  // namespace

HitBreakdownPanel::HitBreakdownPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("hitBreakdown"));
    setStyleSheet(gui::scaledStyle(kPanelStyle, gui::windowScale(parent->window())));
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 6);
    layout->setSpacing(6);
    empty_ = plainLabel(new QLabel(tr("まだ攻撃の記録がありません"), this));
    layout->addWidget(empty_);
    for (size_t side = 0; side < sides_.size(); ++side) {
        sides_[side] = plainLabel(new QLabel(this));
        sides_[side]->setObjectName(QStringLiteral("hitBreakdownSide%1").arg(side));
        sides_[side]->setWordWrap(true);
        layout->addWidget(sides_[side]);
    }
    auto* hint = new QLabel(tr("I キーかクリックで閉じる"), this);
    hint->setObjectName(QStringLiteral("hitBreakdownHint"));
    hint->setAlignment(Qt::AlignRight);
    layout->addWidget(hint);
    hide();
}

void HitBreakdownPanel::showHits(const LastHitsView& hits, const std::array<std::string, 2>& names) {
    bool any = false;
    for (size_t side = 0; side < sides_.size(); ++side) {
        const std::vector<std::string> lines = hitGroupLines(static_cast<int>(side), names[side], hits[side], gui::displayWording());
        sides_[side]->setText(joined(lines));
        sides_[side]->setVisible(!lines.empty());
        any = any || !lines.empty();
    }
    empty_->setVisible(!any);
    QFrame::show();
    raise();
}

QString HitBreakdownPanel::sideText(int side) const { return sides_[static_cast<size_t>(side & 1)]->text(); }

void HitBreakdownPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

HitBreakdown::HitBreakdown(BattleSession& session, QWidget* picture, QLabel* messageLine, QObject* parent)
    : QObject(parent), picture_(picture), messageLine_(messageLine) {
    panel_ = new HitBreakdownPanel(picture_);
    watch(session);
    connect(panel_, &HitBreakdownPanel::clicked, this, &HitBreakdown::close);
    messageLine_->installEventFilter(this);
    messageLine_->setToolTip(tr("クリックするか I キーを押すと、直前の攻撃の内訳を表示します"));
}

void HitBreakdown::watch(BattleSession& session) {
    for (const QMetaObject::Connection& c : watching_) disconnect(c);
    session_ = &session;
    watching_[0] = connect(session_, &BattleSession::hitPlayed, this, [this](const HitExplanation& hit) { hits_.add(hit); });
    watching_[1] = connect(session_, &BattleSession::turnFinished, this, &HitBreakdown::turnPlayedOut);
}

// The records of the turn just played out become what the panel shows.
void HitBreakdown::turnPlayedOut() {
    shown_ = hits_.view();
    for (int side = 0; side < 2; ++side) {
        const LoadedFighter* fighter = session_->fighter(side);
        names_[static_cast<size_t>(side)] = fighter ? fighter->monster.record.name : std::string();
    }
    if (isOpen()) {
        panel_->showHits(shown_, names_);
        place();
    }
}

bool HitBreakdown::isOpen() const { return panel_->isVisible(); }

void HitBreakdown::toggle() {
    if (isOpen()) {
        close();
        return;
    }
    panel_->showHits(shown_, names_);
    place();
}

void HitBreakdown::close() { panel_->hide(); }

// Along the bottom of the picture, as tall as its lines.
void HitBreakdown::place() {
    const int margin = 4 * std::max(1, picture_->width() / gui::kFrameWidth);
    const int width = picture_->width() - 2 * margin;
    panel_->setFixedWidth(width);
    panel_->adjustSize();
    const int height = std::min(panel_->sizeHint().height(), picture_->height() - 2 * margin);
    panel_->setGeometry(margin, picture_->height() - margin - height, width, height);
}

bool HitBreakdown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == messageLine_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        toggle();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vex::ui
