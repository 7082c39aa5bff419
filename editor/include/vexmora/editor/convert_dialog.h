#pragma once
// tvxCONV, "データ形式の変換": lists the old monster files (".tvo") of a folder and converts the
// chosen ones into monster files beside them, one log line per file. The work runs one file
// per event-loop turn, so the window stays responsive and "中止" stops after the current file.

#include <QDialog>
#include <QStringList>

class QLayout;
#include <deque>
#include <memory>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/old_conversion.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vex {

class ConvertDialog : public QDialog {
    Q_OBJECT
public:
    // `dialogs` answers the overwrite question; without it the dialog asks with message boxes.
    explicit ConvertDialog(const fs::path& folder, Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~ConvertDialog() override;

    void showFolder(const fs::path& folder);
    bool converting() const { return converting_; }

    // For tests.
    QListWidget* fileList() const { return list_; }
    QPushButton* convertSelectedButton() const { return convertSelected_; }
    QPushButton* convertAllButton() const { return convertAll_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* abortButton() const { return abort_; }
    QPushButton* closeButton() const { return close_; }
    QCheckBox* deleteOldBox() const { return deleteOld_; }
    QProgressBar* progressBar() const { return progress_; }
    QString captionText() const;
    QStringList logLines() const;

signals:
    void fileConverted(const QString& logLine);
    void finished();

public slots:
    void reject() override;  // 終了, the window's close button and Escape

private:
    // The parts of the form, top to bottom: the folder row, the files with the picture and the
    // buttons beside them, and the progress with the log.
    QLayout* buildFolderRow();
    QLayout* buildFileArea();
    void buildProgress(QLayout& layout);
    void pickFolder();
    void start(const QStringList& fileNames);
    void convertNext();
    void finish();
    void removeSelected();
    void updateButtons();
    void showPicture(const ConversionResult& result);
    bool askToReplace(const fs::path& existing);

    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs& dialogs_;
    fs::path folder_;
    std::deque<QString> queue_;
    bool converting_ = false;
    bool abortRequested_ = false;

    QLineEdit* folderBox_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* pictureName_ = nullptr;
    QPushButton* convertSelected_ = nullptr;
    QPushButton* convertAll_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* abort_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* deleteOld_ = nullptr;
    QLabel* caption_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
};

// "データを変換する" of the options: the converter on the program's "Data" folder, modally.
void showOldDataConverter(QWidget* parent);

}  // namespace vex
