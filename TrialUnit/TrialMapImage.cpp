#include "TrialUnit/TrialMapImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace lodrin {

TTrialMapImage::TTrialMapImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TTrialMapImage::SetPicture(const QImage* picture) {
    Picture_ = picture;
    update();
}

void TTrialMapImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (Picture_ != nullptr) {
        painter.drawImage(event->rect().topLeft(), *Picture_, event->rect());
    }
}

void TTrialMapImage::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button(), event->position().toPoint());
    event->accept();
}

} // namespace lodrin
