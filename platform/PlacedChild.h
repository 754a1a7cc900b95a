#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace lodrin {

// Makes a control of a fixed-layout dialog: a child of parent with its name as
// objectName, at the given place and size.
template <typename T> T* PlacedChild(QWidget* parent, const char* name, QRect geometry) {
    T* child = new T(parent);
    child->setObjectName(QString::fromLatin1(name));
    child->setGeometry(geometry);
    return child;
}

// The same for a control that shows a text: a label or a button.
template <typename T>
T* PlacedChild(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    T* child = PlacedChild<T>(parent, name, geometry);
    child->setText(text);
    return child;
}

} // namespace lodrin
