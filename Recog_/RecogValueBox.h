#pragma once

#include <QSpinBox>

namespace lodrin {

// A value box of the recognition frame: a spin box that shows the frame's value and hands
// the user's input to the window instead of keeping a value of its own. Its arrows report
// steps, typing reports the text as it stands (at most maxDigits digits), and leaving the
// box reports that the typed value is finished; the window sets what the box shows.
class TRecogValueBox : public QSpinBox {
    Q_OBJECT
public:
    TRecogValueBox(QWidget* parent, int maxDigits);

    // Shows a value without reporting it back.
    void ShowValue(int value);
    // An arrow (or Up, Down, Page Up, Page Down) asks for steps: reported, not applied.
    void stepBy(int steps) override;

signals:
    void Stepped(int delta);
    void Typed(const QString& text);
    void Finished();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int MaxDigits_;
};

} // namespace lodrin
