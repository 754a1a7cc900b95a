#include "Recog_/RecogDisplay.h"

#include "platform/UiFont.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace lodrin {

TRecogDisplay::TRecogDisplay(QWidget* parent, const TRecogWindowState& window,
                             const SkinStrip& strip)
    : QWidget(parent), Window_(window), Strip_(strip),
      Painter_(MakeRecogOverlayFonts(UiFontFamily())) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FitDisplay();
}

void TRecogDisplay::FitDisplay() {
    const TRecogFrame& frame = Window_.Recog.Frame;
    if (!frame.HasPicture()) {
        hide();
        return;
    }
    const QSize size(frame.DisplayWidth(), frame.DisplayHeight());
    if (this->size() != size) {
        setFixedSize(size);
    }
    show();
}

void TRecogDisplay::StripChanged() {
    Painter_.StripChanged();
    update();
}

void TRecogDisplay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Painter_.Paint(painter, Window_, Strip_, event->rect());
}

void TRecogDisplay::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button(), event->position().toPoint());
}

void TRecogDisplay::mouseMoveEvent(QMouseEvent* event) {
    emit Moved(event->position().toPoint(), event->modifiers());
}

void TRecogDisplay::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->button(), event->position().toPoint(), event->modifiers());
}

} // namespace lodrin
