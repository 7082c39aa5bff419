#include "vexmora/gui/monster_load_dialog.h"
#include "vexmora/gui/language.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "vexmora/data/technique_catalogue.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/battle/record_view.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {

constexpr const char* kNone = "---";


QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Text boxes limited in CP932 bytes, as the files store them.
void limitCp932(QLineEdit* box, size_t bytes) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, bytes](const QString& text) {
        QString t = text;
        while (!t.isEmpty() && cp932Length(t.toStdString()).value_or(bytes + 1) > bytes) t.chop(1);
        if (t != text) box->setText(t);
    });
}

}  // namespace

MonsterLoadDialog::MonsterLoadDialog(const fs::path& folder, const ListingContext& context, Dialogs& dialogs,
                                     QWidget* parent)
    : QDialog(parent), context_(context), dialogs_(dialogs) {
    setWindowTitle(tr("モンスターの読み込み"));
    setModal(true);

    auto* body = new QHBoxLayout;
    body->addLayout(buildFolderList(), 1);
    QBoxLayout* previewColumn = buildPreview();
    previewColumn->addLayout(buildButtons());
    body->addLayout(previewColumn);
    body->addWidget(details_);
    setLayout(body);

    showFolder(folder);
}

QBoxLayout* MonsterLoadDialog::buildFolderList() {
    auto* folderRow = new QHBoxLayout;
    folderBox_ = new QLineEdit;
    folderBox_->setReadOnly(true);
    auto* folderButton = new QPushButton(tr("フォルダ..."));
    folderRow->addWidget(folderBox_, 1);
    folderRow->addWidget(folderButton);
    connect(folderButton, &QPushButton::clicked, this, &MonsterLoadDialog::pickFolder);

    list_ = new QTreeWidget;
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setMinimumWidth(220);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { preview(item); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { take(); });

    auto* left = new QVBoxLayout;
    left->addLayout(folderRow);
    left->addWidget(list_, 1);
    return left;
}

QBoxLayout* MonsterLoadDialog::buildPreview() {
    picture_ = new QLabel;
    picture_->setFixedSize(132, 132);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setStyleSheet("background:#202830; border:1px solid #556;");
    name_ = plainLabel(new QLabel(kNone));
    QFont big = name_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    name_->setFont(big);
    personality_ = new QLabel(kNone);
    points_ = new QLabel(kNone);
    record_ = new QLabel(kNone);
    auto* techBox = new QGroupBox(tr("技"));
    auto* techLayout = new QVBoxLayout(techBox);
    for (auto*& t : techs_) {
        t = plainLabel(new QLabel(kNone));
        techLayout->addWidget(t);
    }
    maker_ = plainLabel(new QLabel);
    passwordFrame_ = new QGroupBox(tr("パスワード"));
    auto* pwLayout = new QVBoxLayout(passwordFrame_);
    password_ = new QLineEdit;
    password_->setEchoMode(QLineEdit::Password);
    limitCp932(password_, 10);
    pwLayout->addWidget(maker_);
    pwLayout->addWidget(password_);
    passwordFrame_->hide();
    details_ = plainLabel(new QLabel);
    details_->setWordWrap(true);
    details_->setMinimumWidth(220);
    details_->hide();

    auto* info = new QGridLayout;
    info->addWidget(picture_, 0, 0, 4, 1);
    info->addWidget(name_, 0, 1);
    info->addWidget(personality_, 1, 1);
    info->addWidget(points_, 2, 1);
    info->addWidget(record_, 3, 1);

    auto* previewColumn = new QVBoxLayout;
    previewColumn->addLayout(info);
    previewColumn->addWidget(techBox);
    previewColumn->addWidget(passwordFrame_);
    previewColumn->addStretch(1);
    return previewColumn;
}

QBoxLayout* MonsterLoadDialog::buildButtons() {
    loadButton_ = new QPushButton(tr("読み込み"));
    deleteButton_ = new QPushButton(tr("削除"));
    historyButton_ = new QPushButton(tr("戦歴"));
    detailsButton_ = new QPushButton(tr("詳細"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    connect(loadButton_, &QPushButton::clicked, this, &MonsterLoadDialog::take);
    connect(deleteButton_, &QPushButton::clicked, this, &MonsterLoadDialog::deleteSelected);
    connect(historyButton_, &QPushButton::clicked, this, &MonsterLoadDialog::showHistory);
    connect(detailsButton_, &QPushButton::clicked, this, &MonsterLoadDialog::toggleDetails);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {loadButton_, deleteButton_, historyButton_, detailsButton_, cancel}) buttons->addWidget(b);
    return buttons;
}

void MonsterLoadDialog::pickFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("フォルダの選択"), qtText(folder_.string()));
    if (!chosen.isEmpty()) showFolder(fs::path(chosen.toStdString()));
}

void MonsterLoadDialog::showFolder(const fs::path& folder) {
    folder_ = folder;
    folderBox_->setText(qtText(folder.string()));
    list_->clear();
    for (const ListedMonster& m : listMonsters(folder, context_)) {
        auto* item = new QTreeWidgetItem(list_, QStringList{qtText(m.fileName)});
        item->setForeground(0, colourOf(m.colour));
        item->setData(0, Qt::UserRole, qtText(m.path.string()));
    }
    clearPreview();
}

void MonsterLoadDialog::select(int row) { list_->setCurrentItem(list_->topLevelItem(row)); }

void MonsterLoadDialog::clearPreview() {
    selected_.reset();
    picture_->clear();
    for (QLabel* l : {name_, personality_, points_, record_}) l->setText(kNone);
    for (QLabel* t : techs_) {
        t->setText(kNone);
        t->setStyleSheet({});
    }
    passwordFrame_->hide();
    details_->clear();
    loadButton_->setEnabled(false);
    deleteButton_->setEnabled(list_->currentItem() != nullptr);
    historyButton_->setEnabled(false);
}

void MonsterLoadDialog::preview(QTreeWidgetItem* item) {
    clearPreview();
    if (!item) return;
    deleteButton_->setEnabled(true);
    const fs::path path = item->data(0, Qt::UserRole).toString().toStdString();
    const ChecksumCheck check = context_.scenarioEditMode != 0 ? ChecksumCheck::Skip : ChecksumCheck::Compare;
    auto loaded = loadMonster(path, check);
    if (!loaded) {
        details_->setText(gui::displayText(gui::kMessageContext, loaded.error().message));
        return;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        dialogs_.ask({kTamperedTitle, kTamperedMessage, DialogIcon::Warning, DialogButtons::Ok});
        gameMustEnd_ = true;
        reject();
        return;
    }
    const MonsterRecord& m = loaded->record;
    if (!context_.debug && isTreatedAsSystemData(m)) return;  // shown as "---", only deletable

    const gui::MonsterPicture picture(loaded->picture);
    const QSize box = picture_->size() - QSize(4, 4);
    if (const QImage image = picture.preview(box.width(), box.height()); !image.isNull())
        picture_->setPixmap(QPixmap::fromImage(image));
    picture_->setToolTip(gui::displayText(gui::kMessageContext, picture.refusal()));
    name_->setText(qtText(m.name));
    personality_->setText(tr("性格：") + gui::displayText(gui::kPersonalityContext, personalityCaption(m.personalityCode())));
    points_->setText(QString("ATK %1  DEF %2  SPD %3").arg(m.atk).arg(m.def).arg(m.spd));
    record_->setText(tr("%1勝 %2敗").arg(m.wins).arg(m.losses));
    for (int k = 0; k < kSlotCount; ++k) {
        const std::string title(techniqueEntry(m.techId[k]).techTitle);
        techs_[k]->setText(m.techName[k].empty() ? gui::displayText(gui::kTechniqueNameContext, title) : qtText(m.techName[k]));
        techs_[k]->setStyleSheet(techniqueNameColour(m.techId[k]) ? "color: rgb(255,0,0);" : "color: black;");
    }
    if (!m.password().empty()) {
        maker_->setText(tr("製作者名: ") + qtText(displayMakerName(*loaded)));
        passwordFrame_->show();
    }
    QString details;
    if (picture.refused()) details += tr("画像：") + gui::displayText(gui::kMessageContext, picture.refusal()) + "\n\n";
    details += tr("開始時：") + qtText(m.extra[kLineStart]) + "\n";
    details += tr("勝利時：") + qtText(m.extra[kLineWin]) + "\n";
    details += tr("敗北時：") + qtText(m.extra[kLineLose]) + "\n\n";
    for (int k = 0; k < kSlotCount; ++k) {
        const TechniqueEntry& e = techniqueEntry(m.techId[k]);
        details += QString("%1  Lv%2  SP%3  %4\n").arg(gui::displayText(gui::kTechniqueNameContext, e.techTitle)).arg(m.techLevel[k]).arg(m.techCost[k])
                       .arg(gui::displayText(gui::kElementContext, elementName(m.elementOf(k))));
    }
    details += tr("\n製作者名: ") + qtText(displayMakerName(*loaded));
    details_->setText(details);
    selected_ = MonsterChoice{path, std::move(*loaded)};
    loadButton_->setEnabled(true);
    historyButton_->setEnabled(true);
}

void MonsterLoadDialog::take() {
    if (!selected_) return;
    if (!passwordAccepted(selected_->monster.record, password_->text().toStdString(), context_)) {
        dialogs_.ask({kWrongPasswordTitle, kWrongPasswordText, DialogIcon::Warning, DialogButtons::Ok});
        password_->selectAll();
        password_->setFocus();
        return;
    }
    choice_ = selected_;
    accept();
}

void MonsterLoadDialog::deleteSelected() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item) return;
    const fs::path path = item->data(0, Qt::UserRole).toString().toStdString();
    const DialogAnswer answer = dialogs_.ask({QT_TRANSLATE_NOOP("Messages", "削除確認"), path.filename().string() + "\r\nを削除しますか？",
                                              DialogIcon::Warning, DialogButtons::OkCancel});
    if (answer != DialogAnswer::Ok) return;
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) {
        dialogs_.ask({QT_TRANSLATE_NOOP("Messages", "エラー"), "ファイルを削除できません: " + path.string(), DialogIcon::Error, DialogButtons::Ok});
        return;
    }
    delete item;
    list_->setCurrentItem(nullptr);
    clearPreview();
}

void MonsterLoadDialog::showHistory() {
    if (!selected_) return;
    RecordViewDialog view(selected_->monster.record, this);
    view.exec();
}

void MonsterLoadDialog::toggleDetails() { details_->setVisible(!details_->isVisible()); }

PasswordDialog::PasswordDialog(std::string expected, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), expected_(std::move(expected)), dialogs_(dialogs) {
    setWindowTitle(tr("ﾊﾟｽﾜｰﾄﾞ入力"));
    box_ = new QLineEdit;
    box_->setEchoMode(QLineEdit::Password);
    limitCp932(box_, 10);
    auto* ok = new QPushButton("OK");
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    connect(ok, &QPushButton::clicked, this, &PasswordDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("パスワードを入力してください")));
    layout->addWidget(box_);
    layout->addLayout(buttons);
}

void PasswordDialog::confirm() {
    if (box_->text().toStdString() == expected_) {
        accept();
        return;
    }
    dialogs_.ask({kWrongPasswordTitle, kWrongPasswordText, DialogIcon::Warning, DialogButtons::Ok});
    box_->selectAll();
    box_->setFocus();
}

RecordViewDialog::RecordViewDialog(const MonsterRecord& monster, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtText(recordViewCaption(monster.name)));
    const auto figures = recordFigures(monster.history());
    auto* grid = new QGridLayout;
    for (int i = 0; i < kRecordFigureCount; ++i) {
        grid->addWidget(new QLabel(qtText(std::string(kRecordCaptions[i]))), i % 9, (i / 9) * 2);
        figures_[i] = new QLabel(qtText(figures[i]));
        figures_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figures_[i]->setMinimumWidth(70);
        grid->addWidget(figures_[i], i % 9, (i / 9) * 2 + 1);
    }
    auto* ok = new QPushButton(tr("ＯＫ"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

QString RecordViewDialog::figureText(int index) const { return figures_[index]->text(); }

}  // namespace vex
