#include "Editor_/LevelChooserForm.h"

#include "LoadSkin/LevelPicture.h"
#include "board/LevelPreview.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCache>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace lodrin {

namespace {

constexpr int RowHeight = 64;
const QSize PictureBox(96, 58);
constexpr int CachedPictures = 600;

enum Column { NumberColumn, PictureColumn, TitleColumn, SizeColumn, BoxesColumn, ColumnCount };

// Paints a level's picture in the middle of its cell, in its own colours also
// when the row is selected.
class TPictureDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.icon = QIcon();
        background.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* view = background.widget;
        (view != nullptr ? view->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        QRect target(QPoint(), picture.size());
        target.moveCenter(option.rect.center());
        painter->drawPixmap(target, picture);
    }
};

} // namespace

// The rows of the chooser's list as Qt's views read them; pictures are drawn
// when a view first asks for them and kept for a while.
class TLevelListModel final : public QAbstractTableModel {
public:
    TLevelListModel(QObject* parent, const TCurrentSkin& skin)
        : QAbstractTableModel(parent), Skin_(skin), Pictures_(CachedPictures) {}

    // Shows the chooser's rows (after a fill or a new filter).
    void Reset(const TLevelChooser* chooser) {
        beginResetModel();
        Chooser_ = chooser;
        endResetModel();
    }
    // Forgets the pictures (the skin changed).
    void ClearPictures() {
        Pictures_.clear();
        if (rowCount() > 0) {
            emit dataChanged(index(0, PictureColumn), index(rowCount() - 1, PictureColumn));
        }
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || Chooser_ == nullptr ? 0 : static_cast<int>(Chooser_->RowCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Text(std::size_t level, int column) const;
    QPixmap Picture(std::size_t level) const;

    const TCurrentSkin& Skin_;
    const TLevelChooser* Chooser_ = nullptr;
    mutable QCache<std::size_t, QPixmap> Pictures_;
};

QVariant TLevelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || Chooser_ == nullptr || index.row() >= rowCount()) {
        return {};
    }
    const std::size_t level = Chooser_->LevelAt(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return Text(level, index.column());
    case Qt::DecorationRole:
        return index.column() == PictureColumn ? QVariant(Picture(level)) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == TitleColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignCenter);
    case Qt::ToolTipRole: {
        const CollectionLevel& entry = Chooser_->Collection().Levels[level];
        return index.column() == TitleColumn && !entry.Author.empty()
                   ? QVariant(QString::fromStdString(entry.Title) + QStringLiteral("\n") +
                              QString::fromStdString(entry.Author))
                   : QVariant();
    }
    default:
        return {};
    }
}

QVariant TLevelListModel::Text(std::size_t level, int column) const {
    const CollectionLevel& entry = Chooser_->Collection().Levels[level];
    switch (column) {
    case NumberColumn:
        return QString::number(level + 1);
    case TitleColumn:
        return QString::fromStdString(entry.Title);
    case SizeColumn:
        return QString::fromStdString(LevelSizeText(entry.Shape));
    case BoxesColumn:
        return QString::number(entry.Shape.Boxes);
    default:
        return {};
    }
}

QPixmap TLevelListModel::Picture(std::size_t level) const {
    if (const QPixmap* cached = Pictures_.object(level)) {
        return *cached;
    }
    TMapNode node;
    ReadCollectionLevel(Chooser_->Collection(), level, node, BoardSize);
    auto* picture = new QPixmap(QPixmap::fromImage(
        DrawLevelPicture(Skin_.Strip(), MakeLevelPreview(node.Rows), PictureBox)));
    const QPixmap result = *picture;
    Pictures_.insert(level, picture);
    return result;
}

QVariant TLevelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const Captions[ColumnCount] = {"编号", "图", "标题", "尺寸", "箱子"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(Captions[section]) : QString();
}

TLevelChooserForm::TLevelChooserForm(QWidget* parent, const TCurrentSkin& skin)
    : QDialog(parent), Model_(new TLevelListModel(this, skin)) {
    setObjectName(QStringLiteral("LevelChooserForm"));
    setWindowTitle(QStringLiteral("选择关卡"));
    resize(660, 560);
    auto* layout = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("筛选："), this);
    ed_Filter = new QLineEdit(this);
    ed_Filter->setObjectName(QStringLiteral("ed_Filter"));
    ed_Filter->setPlaceholderText(QStringLiteral("标题或作者"));
    ed_Filter->setClearButtonEnabled(true);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    filterRow->addWidget(Label1);
    filterRow->addWidget(ed_Filter, 1);
    filterRow->addWidget(Label2);
    layout->addLayout(filterRow);

    lv_Levels = new QTableView(this);
    lv_Levels->setObjectName(QStringLiteral("lv_Levels"));
    lv_Levels->setModel(Model_);
    lv_Levels->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv_Levels->setSelectionMode(QAbstractItemView::SingleSelection);
    lv_Levels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv_Levels->setIconSize(PictureBox);
    lv_Levels->setWordWrap(false);
    lv_Levels->setShowGrid(false);
    lv_Levels->setAlternatingRowColors(true);
    lv_Levels->verticalHeader()->hide();
    lv_Levels->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lv_Levels->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView* header = lv_Levels->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    header->resizeSection(NumberColumn, 56);
    header->resizeSection(PictureColumn, PictureBox.width() + 12);
    header->resizeSection(SizeColumn, 84);
    header->resizeSection(BoxesColumn, 56);
    lv_Levels->setItemDelegateForColumn(PictureColumn, new TPictureDelegate(lv_Levels));
    layout->addWidget(lv_Levels, 1);

    auto* buttons = new QHBoxLayout;
    Button2 = new QPushButton(QStringLiteral("确定(&O)"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("取消(&C)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setAutoDefault(false);
    Button1->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    layout->addLayout(buttons);

    connect(ed_Filter, &QLineEdit::textChanged, this, &TLevelChooserForm::FilterChanged);
    connect(lv_Levels, &QAbstractItemView::doubleClicked, this,
            &TLevelChooserForm::RowDoubleClicked);
    connect(Button2, &QPushButton::clicked, this, &TLevelChooserForm::Confirm);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(&skin, &TCurrentSkin::Changed, this, [this] { Model_->ClearPictures(); });
    ed_Filter->installEventFilter(this);
    lv_Levels->installEventFilter(this);
}

TLevelChooserForm::~TLevelChooserForm() = default;

void TLevelChooserForm::Fill(std::shared_ptr<const LevelCollection> collection,
                             const QString& fileName) {
    setWindowTitle(QStringLiteral("选择关卡 - ") + fileName);
    Model_->Reset(nullptr);
    Model_->ClearPictures();
    Chooser_.reset();
    ed_Filter->clear(); // no chooser yet: nothing to filter
    Chooser_ = std::make_unique<TLevelChooser>(std::move(collection));
    Model_->Reset(Chooser_.get());
    connect(lv_Levels->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TLevelChooserForm::CurrentRowChanged, Qt::UniqueConnection);
    ShowCurrent();
    ed_Filter->setFocus();
}

std::optional<std::size_t>
TLevelChooserForm::Choose(std::shared_ptr<const LevelCollection> collection,
                          const QString& fileName) {
    Fill(std::move(collection), fileName);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Chooser_->ChosenLevel();
}

void TLevelChooserForm::FilterChanged(const QString& text) {
    if (Chooser_ == nullptr) {
        return;
    }
    Chooser_->SetFilter(text.toStdString());
    Model_->Reset(Chooser_.get());
    ShowCurrent();
}

void TLevelChooserForm::CurrentRowChanged(const QModelIndex& current) {
    if (Chooser_ != nullptr && current.isValid()) {
        Chooser_->SetCurrentRow(static_cast<std::size_t>(current.row()));
        Button2->setEnabled(Chooser_->ChosenLevel().has_value());
    }
}

void TLevelChooserForm::RowDoubleClicked(const QModelIndex& index) {
    if (Chooser_ != nullptr && index.isValid()) {
        Chooser_->SetCurrentRow(static_cast<std::size_t>(index.row()));
        Confirm();
    }
}

void TLevelChooserForm::Confirm() {
    if (Chooser_ != nullptr && Chooser_->ChosenLevel()) {
        accept();
    }
}

int TLevelChooserForm::PageRows() const {
    return std::max(1, lv_Levels->viewport()->height() / RowHeight);
}

bool TLevelChooserForm::NavigationKey(int key, bool inList) {
    switch (key) {
    case Qt::Key_Up:
        Chooser_->Move(-1);
        return true;
    case Qt::Key_Down:
        Chooser_->Move(1);
        return true;
    case Qt::Key_PageUp:
        Chooser_->Move(-PageRows());
        return true;
    case Qt::Key_PageDown:
        Chooser_->Move(PageRows());
        return true;
    case Qt::Key_Home:
        if (inList) {
            Chooser_->MoveToFirst();
        }
        return inList;
    case Qt::Key_End:
        if (inList) {
            Chooser_->MoveToLast();
        }
        return inList;
    default:
        return false;
    }
}

bool TLevelChooserForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || Chooser_ == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Confirm();
        return true;
    }
    if (NavigationKey(key->key(), watched == lv_Levels)) {
        ShowCurrent();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLevelChooserForm::ShowCurrent() {
    const std::optional<std::size_t> row = Chooser_->CurrentRow();
    if (row) {
        const QModelIndex index = Model_->index(static_cast<int>(*row), NumberColumn);
        lv_Levels->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        lv_Levels->scrollTo(index);
    }
    const std::size_t all = Chooser_->Collection().Levels.size();
    Label2->setText(Chooser_->RowCount() == all
                        ? QStringLiteral("共 %1 关").arg(all)
                        : QStringLiteral("%1 / %2 关").arg(Chooser_->RowCount()).arg(all));
    Button2->setEnabled(row.has_value());
}

} // namespace lodrin
