#include "LoadSkin/LoadSkinForm.h"

#include "LoadSkin/SkinFile.h"
#include "platform/PlacedChild.h"
#include "platform/UiFont.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace lodrin {
namespace {

constexpr int PreviewWidth = 360;
constexpr int PreviewHeight = 180;

} // namespace

TLoadSkinForm::TLoadSkinForm(QWidget* parent, QString skinsFolder, TCurrentSkin& skin)
    : QDialog(parent), SkinsFolder_(std::move(skinsFolder)), Skin_(skin) {
    setObjectName(QStringLiteral("LoadSkinForm"));
    setWindowTitle(QStringLiteral("更换皮肤"));
    setFixedSize(617, 356);
    Label1 =
        PlacedChild<QLabel>(this, "Label1", QRect(4, 2, 241, 20), QStringLiteral("皮肤列表："));
    ListBox1 = PlacedChild<QListWidget>(this, "ListBox1", QRect(4, 23, 241, 329));
    Label2 = PlacedChild<QLabel>(this, "Label2", QRect(253, 2, 360, 20), QStringLiteral("预览："));
    Image1 = PlacedChild<QLabel>(this, "Image1", QRect(253, 23, PreviewWidth, PreviewHeight));
    Label3 = PlacedChild<QLabel>(
        this, "Label3", QRect(253, 211, 361, 65),
        QStringLiteral("说明：皮肤包含8格元格，分上下两行，每行4格，分别为：地板、"
                       "人、箱子、墙壁及目标点、人在目标点、箱子在目标点、墙壁扩展"
                       "。其中墙壁扩展是为无缝墙壁准备的，否则，与上格相同即可。元"
                       "格尺寸需在（20-200）像素之间。地板格左上角像素的颜色作为网"
                       "格线的颜色。"));
    Label3->setWordWrap(true);
    Label3->setFont(UiFont(11)); // four lines fit its 65 pixels
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4 = PlacedChild<QLabel>(this, "Label4", QRect(253, 284, 360, 22));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Button2 = PlacedChild<QPushButton>(this, "Button2", QRect(432, 320, 85, 28),
                                       QStringLiteral("确定(&O)"));
    Button1 = PlacedChild<QPushButton>(this, "Button1", QRect(526, 320, 85, 28),
                                       QStringLiteral("取消(&C)"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListBox1, &QListWidget::itemClicked, this, &TLoadSkinForm::ListBox1Click);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TLoadSkinForm::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TLoadSkinForm::ListBox1DblClick);
}

std::string TLoadSkinForm::PathOf(const QString& name) const {
    return QDir(SkinsFolder_).filePath(name).toUtf8().toStdString();
}

void TLoadSkinForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TLoadSkinForm::FormShow() {
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    const QDir folder(SkinsFolder_);
    ListBox1->addItems(
        folder.entryList({QStringLiteral("*.bmp")}, QDir::Files | QDir::Hidden, QDir::Unsorted));
    ListBox1->setCurrentRow(-1);
    ShowPreview({});
    Button2->setEnabled(false);
    ChosenName_.clear();
    Label4->clear();
}

void TLoadSkinForm::ShowPreview(const QImage& picture) {
    QPixmap preview(PreviewWidth, PreviewHeight);
    preview.fill(Qt::black);
    if (!picture.isNull()) {
        preview = QPixmap::fromImage(picture.scaled(
            PreviewWidth, PreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    Image1->setPixmap(preview);
}

const QListWidgetItem* TLoadSkinForm::SelectedEntry() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void TLoadSkinForm::ListBox1Click() {
    const QListWidgetItem* item = SelectedEntry();
    if (item == nullptr) {
        return;
    }
    ChosenName_ = item->text();
    const SkinPreview preview = ReadSkinPreview(PathOf(ChosenName_));
    ShowPreview(preview.Picture);
    if (!preview.Info.Readable) {
        Label4->setText(QStringLiteral(" "));
        Button2->setEnabled(false);
        return;
    }
    Label4->setText(QStringLiteral("元格尺寸: %1像素").arg(preview.Info.TileSize()));
    Button2->setEnabled(preview.Confirmable());
}

void TLoadSkinForm::ListBox1DblClick() {
    if (SelectedEntry() == nullptr) {
        return;
    }
    ListBox1Click();
    accept();
}

bool TLoadSkinForm::ChangeSkin() {
    if (exec() != QDialog::Accepted) {
        return false;
    }
    Skin_.LoadFile(PathOf(ChosenName_));
    return true;
}

} // namespace lodrin
