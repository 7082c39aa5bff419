#include "vexmora/editor/convert_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "vexmora/gui/language.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/gui/picture_decoder.h"
#include "vexmora/gui/qt_dialogs.h"
#include "vexmora/gui/plain_text.h"
#include "vexmora/gui/text.h"

namespace vex {

using gui::qtText;

namespace {


const char* const kWorking = QT_TRANSLATE_NOOP("vex::ConvertDialog", "データを変換しています・・・");
const char* const kDone = QT_TRANSLATE_NOOP("vex::ConvertDialog", "データ変換が完了しました");
const char* const kAborted = QT_TRANSLATE_NOOP("vex::ConvertDialog", "データ変換を中止しました");

}  // namespace

ConvertDialog::ConvertDialog(const fs::path& folder, Dialogs* dialogs, QWidget* parent)
    : QDialog(parent),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      dialogs_(dialogs ? *dialogs : *ownDialogs_) {
    setObjectName(QStringLiteral("tvxCONV"));
    setWindowTitle(tr("データ形式の変換"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildFolderRow());
    layout->addLayout(buildFileArea(), 1);
    buildProgress(*layout);
    resize(560, 520);

    showFolder(folder);
}

QLayout* ConvertDialog::buildFolderRow() {
    folderBox_ = new QLineEdit;
    folderBox_->setObjectName(QStringLiteral("folder"));
    connect(folderBox_, &QLineEdit::returnPressed, this,
            [this] { showFolder(fs::path(folderBox_->text().toStdString())); });
    browse_ = new QPushButton(tr("フォルダ..."));
    connect(browse_, &QPushButton::clicked, this, &ConvertDialog::pickFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(tr("フォルダ:")));
    folderRow->addWidget(folderBox_, 1);
    folderRow->addWidget(browse_);
    return folderRow;
}

QLayout* ConvertDialog::buildFileArea() {
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("files"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(220, 200);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ConvertDialog::updateButtons);

    picture_ = new QLabel;
    picture_->setFixedSize(132, 132);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setStyleSheet(QStringLiteral("background:#202830; border:1px solid #556;"));
    pictureName_ = plainLabel(new QLabel);
    pictureName_->setAlignment(Qt::AlignCenter);

    convertSelected_ = new QPushButton(tr("選択したファイルのみ変換"));
    convertAll_ = new QPushButton(tr("フォルダ内全ファイルを変換"));
    remove_ = new QPushButton(tr("選択したファイルを外す"));
    abort_ = new QPushButton(tr("中止"));
    close_ = new QPushButton(tr("終了"));
    deleteOld_ = new QCheckBox(tr("変換した元のデータを削除"));
    connect(convertSelected_, &QPushButton::clicked, this, [this] {
        QStringList names;
        for (int row = 0; row < list_->count(); ++row)
            if (list_->item(row)->isSelected()) names << list_->item(row)->text();
        start(names);
    });
    connect(convertAll_, &QPushButton::clicked, this, [this] {
        QStringList names;
        for (int row = 0; row < list_->count(); ++row) names << list_->item(row)->text();
        start(names);
    });
    connect(remove_, &QPushButton::clicked, this, &ConvertDialog::removeSelected);
    connect(abort_, &QPushButton::clicked, this, [this] { abortRequested_ = true; });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* side = new QVBoxLayout;
    side->addWidget(picture_, 0, Qt::AlignHCenter);
    side->addWidget(pictureName_);
    side->addSpacing(8);
    for (QPushButton* b : {convertSelected_, convertAll_, remove_, abort_}) side->addWidget(b);
    side->addWidget(deleteOld_);
    side->addStretch();
    side->addWidget(close_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(side);
    return middle;
}

void ConvertDialog::buildProgress(QLayout& layout) {
    caption_ = plainLabel(new QLabel);
    caption_->setObjectName(QStringLiteral("caption"));
    progress_ = new QProgressBar;
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(true);
    progress_->setFormat(QStringLiteral("%v / %m"));

    log_ = new QPlainTextEdit;
    log_->setObjectName(QStringLiteral("log"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMinimumHeight(120);

    layout.addWidget(caption_);
    layout.addWidget(progress_);
    layout.addWidget(log_);
}

ConvertDialog::~ConvertDialog() = default;

QString ConvertDialog::captionText() const { return caption_->text(); }

QStringList ConvertDialog::logLines() const {
    const QString text = log_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void ConvertDialog::pickFolder() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("フォルダの選択"), qtText(folder_.string()));
    if (!chosen.isEmpty()) showFolder(fs::path(chosen.toStdString()));
}

void ConvertDialog::showFolder(const fs::path& folder) {
    if (converting_) return;
    folder_ = folder;
    folderBox_->setText(qtText(folder.string()));
    list_->clear();
    auto files = listOldFiles(folder);
    if (!files) {
        dialogs_.ask({files.error().title, files.error().message, DialogIcon::Warning, DialogButtons::Ok});
    } else {
        for (const fs::path& f : *files) list_->addItem(qtText(f.filename().string()));
    }
    updateButtons();
}

void ConvertDialog::removeSelected() {
    for (QListWidgetItem* item : list_->selectedItems()) delete item;
    updateButtons();
}

void ConvertDialog::updateButtons() {
    const bool idle = !converting_;
    convertSelected_->setEnabled(idle && !list_->selectedItems().isEmpty());
    convertAll_->setEnabled(idle && list_->count() > 0);
    remove_->setEnabled(idle && !list_->selectedItems().isEmpty());
    abort_->setEnabled(converting_);
    deleteOld_->setEnabled(idle);
    folderBox_->setEnabled(idle);
    browse_->setEnabled(idle);
    list_->setEnabled(idle);
}

void ConvertDialog::start(const QStringList& fileNames) {
    if (converting_ || fileNames.isEmpty()) return;
    queue_.assign(fileNames.begin(), fileNames.end());
    converting_ = true;
    abortRequested_ = false;
    progress_->setRange(0, static_cast<int>(queue_.size()));
    progress_->setValue(0);
    caption_->setText(tr(kWorking));
    updateButtons();
    QTimer::singleShot(0, this, &ConvertDialog::convertNext);
}

bool ConvertDialog::askToReplace(const fs::path& existing) {
    const DialogRequest question{"確認",
                                 "「" + existing.filename().string() + "」は既にあります。\r\n上書きしますか？",
                                 DialogIcon::Question, DialogButtons::YesNo};
    return dialogs_.ask(question) == DialogAnswer::Yes;
}

void ConvertDialog::convertNext() {
    if (!converting_) return;
    if (abortRequested_ || queue_.empty()) return finish();
    const QString name = queue_.front();
    queue_.pop_front();

    ConversionChoices choices;
    choices.deleteOld = deleteOld_->isChecked();
    choices.mayReplace = [this](const fs::path& existing) { return askToReplace(existing); };
    choices.pictureRefusal = gui::monsterPictureRefusal;
    const fs::path file = folder_ / fs::path(name.toStdString());
    const ConversionResult result = convertOldFile(file, choices);

    // The log shows the result in the language of the windows; the command-line tool prints it as written.
    const QString line = name + QString::fromUtf8(kConversionSeparator) + gui::displayText(gui::kMessageContext, result.text);
    log_->appendPlainText(line);
    showPicture(result);
    std::error_code ec;
    if (result.status == ConversionStatus::Converted && !fs::exists(file, ec))
        for (QListWidgetItem* item : list_->findItems(name, Qt::MatchExactly)) delete item;
    progress_->setValue(progress_->value() + 1);
    emit fileConverted(line);
    QTimer::singleShot(0, this, &ConvertDialog::convertNext);
}

void ConvertDialog::finish() {
    converting_ = false;
    caption_->setText(tr(abortRequested_ ? kAborted : kDone));
    queue_.clear();
    updateButtons();
    emit finished();
}

void ConvertDialog::showPicture(const ConversionResult& result) {
    const QSize box = picture_->size() - QSize(4, 4);
    const QImage image = gui::MonsterPicture(result.picture).preview(box.width(), box.height());
    if (image.isNull())
        picture_->clear();
    else
        picture_->setPixmap(QPixmap::fromImage(image));
    pictureName_->setText(qtText(result.record.name));
}

void ConvertDialog::reject() {
    // Closing stops the run; the file in hand is always finished, because a whole file is
    // converted within one event.
    if (converting_) {
        abortRequested_ = true;
        finish();
    }
    QDialog::reject();
}

void showOldDataConverter(QWidget* parent) {
    ConvertDialog converter(resolve("Data"), nullptr, parent);
    converter.exec();
}

}  // namespace vex
