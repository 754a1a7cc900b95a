#pragma once

#include <QImage>
#include <QWidget>

namespace lodrin {

// The trial field's board on the screen (map_Image): shows the board's picture
// at its own size and reports mouse presses on it.
class TTrialMapImage : public QWidget {
    Q_OBJECT
public:
    explicit TTrialMapImage(QWidget* parent);

    // Shows the picture, which the owner keeps alive and tells of every change
    // (the widget keeps the size its owner gave it); null shows nothing.
    void SetPicture(const QImage* picture);
    const QImage* Picture() const { return Picture_; }

signals:
    // A mouse button went down at a pixel of the picture.
    void Pressed(Qt::MouseButton button, QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage* Picture_ = nullptr;
};

} // namespace lodrin
