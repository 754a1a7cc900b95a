#include "Recog_/RecogValueBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace lodrin {

namespace {

// The boxes can show any value of a zoomed display; typing is limited by digits instead.
constexpr int LargestShown = 999999;

} // namespace

TRecogValueBox::TRecogValueBox(QWidget* parent, int maxDigits)
    : QSpinBox(parent), MaxDigits_(maxDigits) {
    setRange(0, LargestShown);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TRecogValueBox::Typed);
    connect(this, &QAbstractSpinBox::editingFinished, this, &TRecogValueBox::Finished);
}

void TRecogValueBox::ShowValue(int value) {
    if (value == this->value() && text() == QString::number(value)) {
        return;
    }
    const QSignalBlocker blocker(this);
    setValue(value);
}

void TRecogValueBox::stepBy(int steps) {
    emit Stepped(steps);
}

QValidator::State TRecogValueBox::validate(QString& input, int& pos) const {
    const qsizetype digits =
        std::count_if(input.begin(), input.end(), [](QChar ch) { return ch.isDigit(); });
    if (digits > MaxDigits_) {
        return QValidator::Invalid;
    }
    return QSpinBox::validate(input, pos);
}

} // namespace lodrin
