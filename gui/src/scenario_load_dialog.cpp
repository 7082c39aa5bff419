#include "vexmora/gui/scenario_load_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "vexmora/data/scenario_file.h"
#include "vexmora/gui/language.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {


bool isScenarioFile(const fs::path& path) { return hasExtension(path, ".sce"); }

}  // namespace

ScenarioLoadDialog::ScenarioLoadDialog(const fs::path& folder, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SCINARIOload"));
    setWindowTitle(tr("シナリオの読み込み"));
    setModal(true);
    resize(480, 400);
    folderBox_ = new QLineEdit;
    folderBox_->setReadOnly(true);
    auto* folderButton = new QPushButton(tr("フォルダ..."));
    connect(folderButton, &QPushButton::clicked, this, &ScenarioLoadDialog::chooseFolder);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("File1"));
    connect(list_, &QListWidget::currentRowChanged, this, &ScenarioLoadDialog::select);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { take(); });
    comment_ = plainLabel(new QLabel(qtText(kScenarioCommentHint)));
    comment_->setWordWrap(true);
    comment_->setMinimumHeight(72);
    comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    comment_->setFrameShape(QFrame::StyledPanel);
    load_ = new QPushButton(tr("読み込み"));
    load_->setEnabled(false);
    connect(load_, &QPushButton::clicked, this, &ScenarioLoadDialog::take);
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(folderBox_, 1);
    top->addWidget(folderButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(load_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(comment_);
    layout->addLayout(buttons);
    showFolder(folder);
}

void ScenarioLoadDialog::showFolder(const fs::path& folder) {
    folder_ = folder;
    folderBox_->setText(QString::fromStdString(folder.string()));
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec) && isScenarioFile(entry.path())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    list_->clear();
    for (const fs::path& file : files) {
        auto* item = new QListWidgetItem(QString::fromStdString(file.filename().string()), list_);
        item->setData(Qt::UserRole, QString::fromStdString(file.string()));
    }
    comment_->setText(qtText(kScenarioCommentHint));
    load_->setEnabled(false);
}

void ScenarioLoadDialog::select(int row) {
    QListWidgetItem* item = list_->item(row);
    if (!item) return;
    if (list_->currentRow() != row) list_->setCurrentRow(row);
    const fs::path file = item->data(Qt::UserRole).toString().toStdString();
    auto record = readScenario(file);
    if (!record) {
        comment_->setText(gui::displayText(gui::kMessageContext, record.error().message));
        load_->setEnabled(false);
        return;
    }
    comment_->setText(qtText(trimRight(record->comment)));
    load_->setEnabled(true);
}

void ScenarioLoadDialog::take() {
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    const fs::path file = item->data(Qt::UserRole).toString().toStdString();
    auto record = readScenario(file);
    if (!record) {
        dialogs_.ask({record.error().title, record.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    fs::path base = file;
    base.replace_extension();
    chosen_ = base;
    accept();
}

void ScenarioLoadDialog::chooseFolder() {
    std::optional<fs::path> folder;
    if (pickFolder) {
        folder = pickFolder(this, folder_);
    } else {
        const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), QString::fromStdString(folder_.string()));
        if (!chosen.isEmpty()) folder = fs::path(chosen.toStdString());
    }
    if (folder) showFolder(*folder);
}

std::optional<fs::path> chooseScenario(QWidget* parent, Dialogs& dialogs) {
    ScenarioLoadDialog dialog(resolve("Scenario"), dialogs, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosenBase();
}

}  // namespace vex
