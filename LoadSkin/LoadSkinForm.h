#pragma once

#include "LoadSkin/CurrentSkin.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lodrin {

// The skin chooser: lists the skin bitmaps of the Skins folder, previews the
// clicked one with its tile size, and on confirm asks the current skin to load it.
class TLoadSkinForm : public QDialog {
    Q_OBJECT
public:
    // skinsFolder is the folder the bitmaps are listed from; skin is the one a
    // confirmed choice replaces.
    TLoadSkinForm(QWidget* parent, QString skinsFolder, TCurrentSkin& skin);

    // Shows the chooser; on confirm the current skin loads the chosen file (or
    // the drawn skin when it cannot be used) and tells the windows. Returns
    // whether the skin changed.
    bool ChangeSkin();

    // The name of the entry clicked last while the dialog is shown.
    const QString& ChosenName() const { return ChosenName_; }
    const QString& SkinsFolder() const { return SkinsFolder_; }

    // Event handlers.
    void FormShow();
    void ListBox1Click();
    void ListBox1DblClick();

    QListWidget* ListBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Image1;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The entry the user picked. The list makes its first row current, without
    // selecting it, when it takes the focus: that row is no choice.
    const QListWidgetItem* SelectedEntry() const;
    void ShowPreview(const QImage& picture);
    std::string PathOf(const QString& name) const;

    QString SkinsFolder_;
    TCurrentSkin& Skin_;
    QString ChosenName_;
};

} // namespace lodrin
