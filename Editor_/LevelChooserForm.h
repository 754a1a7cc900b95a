#pragma once

#include "Editor_/LevelChooser.h"
#include "LoadSkin/CurrentSkin.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace lodrin {

class TLevelListModel;

// The chooser of a collection's levels: a filter box on title and author, the
// list (number, small picture, title, size, boxes), and OK and Cancel. The
// pictures are drawn with the current skin when their rows first show.
class TLevelChooserForm : public QDialog {
    Q_OBJECT
public:
    TLevelChooserForm(QWidget* parent, const TCurrentSkin& skin);
    ~TLevelChooserForm() override;

    // Lists the collection's levels, the first one current, under a caption
    // that names the file.
    void Fill(std::shared_ptr<const LevelCollection> collection, const QString& fileName);
    // Fills the list and shows the chooser modally: the chosen level's index
    // (from 0), or nothing when cancelled.
    std::optional<std::size_t> Choose(std::shared_ptr<const LevelCollection> collection,
                                      const QString& fileName);
    // The list's state: filter, rows, current row.
    const TLevelChooser* Chooser() const { return Chooser_.get(); }

    QLabel* Label1;        // "筛选："
    QLineEdit* ed_Filter;  // filter on title and author
    QLabel* Label2;        // how many levels the list shows
    QTableView* lv_Levels; // the levels
    QPushButton* Button1;  // "取消(&C)"
    QPushButton* Button2;  // "确定(&O)"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FilterChanged(const QString& text);
    void CurrentRowChanged(const QModelIndex& current);
    void RowDoubleClicked(const QModelIndex& index);
    void Confirm();
    // Moves the current row for a navigation key; false for other keys.
    bool NavigationKey(int key, bool inList);
    // Shows the model's current row in the list and the count and OK button.
    void ShowCurrent();
    int PageRows() const;

    std::unique_ptr<TLevelChooser> Chooser_;
    TLevelListModel* Model_;
};

} // namespace lodrin
