// The editor window's level files: opening them by the dialog, by a drop and from
// the command line, the chooser of a collection, the next and the previous level.
#include "Editor_/EditorForm.h"

#include "Editor_/EditorGrid.h"
#include "Editor_/LevelChooserForm.h"
#include "Editor_/LevelFileReader.h"
#include "Editor_/LevelFileSettings.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace lodrin {
namespace {

QString ReadErrorText(LevelFileError error, const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    switch (error) {
    case LevelFileError::TooLarge:
        return QStringLiteral("文件太大，无法读取：\n") + name;
    case LevelFileError::NoLevel:
        return QStringLiteral("文件中没有找到关卡：\n") + name;
    default:
        return QStringLiteral("无法读取文件：\n") + name;
    }
}

// The first local file among the dropped things, if any.
std::optional<QString> FirstLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return std::nullopt;
}

} // namespace

const QString TEditorForm_::OpenDialogFilter =
    QStringLiteral("关卡文档(*.xsb;*.txt;*.sok)|*.xsb;*.txt;*.sok|所有文件(*.*)|*");

void TEditorForm_::OpenFileClick() {
    const TLevelFileSettings settings;
    const std::optional<QString> name = Platform_.Files.OpenFileNameFrom(
        this, OpenDialogFilter, {settings.LastFile(), settings.RecentFiles()});
    if (name) {
        OpenLevelFile(*name);
    }
}

void TEditorForm_::OpenLevelFile(const QString& path) {
    ShowMessage(QStringLiteral("正在读取……"));
    FileReader_->Start(path, [this](const QString& name, LevelFileRead read) {
        FileReadDone(name, std::move(read));
    });
}

void TEditorForm_::OpenStartFile() {
    if (StartFileOpened_) {
        return;
    }
    StartFileOpened_ = true;
    if (!Options_.LevelFile.empty()) {
        OpenLevelFile(QString::fromStdString(Options_.LevelFile));
    }
}

void TEditorForm_::FileReadDone(const QString& path, LevelFileRead read) {
    ShowMessage({});
    if (read.Error == LevelFileError::Stopped) {
        return;
    }
    if (read.Error != LevelFileError::None) {
        Platform_.Messages.Error(this, ReadErrorText(read.Error, path));
        return;
    }
    const QFileInfo file(path);
    TLevelFileSettings().Remember(file.absoluteFilePath());
    const auto collection = std::make_shared<const LevelCollection>(std::move(read.Collection));
    std::optional<std::size_t> index = 0;
    if (collection->Levels.size() > 1) {
        index = LevelChooser()->Choose(collection, file.fileName());
    }
    if (index) {
        OpenCollectionLevel(collection, *index);
    }
}

TLevelChooserForm* TEditorForm_::LevelChooser() {
    if (LevelChooser_ == nullptr) {
        LevelChooser_ = new TLevelChooserForm(this, Skin_);
    }
    return LevelChooser_;
}

void TEditorForm_::OpenCollectionLevel(const std::shared_ptr<const LevelCollection>& collection,
                                       std::size_t index) {
    ShowCollectionStep(Collection_.OpenLevel(
        Doc_, collection, index, [this](std::string_view question) { return Confirm(question); }));
}

void TEditorForm_::ShowCollectionStep(bool opened) {
    if (opened) {
        BoardChanged();
        ShowLevelCorner();
    }
    ShowMessage(QString::fromStdString(Collection_.PositionText()));
}

void TEditorForm_::NextLevelClick() {
    ShowCollectionStep(Collection_.OpenNext(
        Doc_, [this](std::string_view question) { return Confirm(question); }));
}

void TEditorForm_::PreviousLevelClick() {
    ShowCollectionStep(Collection_.OpenPrevious(
        Doc_, [this](std::string_view question) { return Confirm(question); }));
}

void TEditorForm_::dragEnterEvent(QDragEnterEvent* event) {
    if (FirstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void TEditorForm_::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> file = FirstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
        OpenLevelFile(*file);
    }
}

} // namespace lodrin
