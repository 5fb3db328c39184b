#pragma once

#include <QSpinBox>

// A spin box that can be set to a value outside the range the user picks from, and keeps
// it as set until the user steps the box or edits and leaves it; the value then comes back
// into the range. A year box whose years end before this year still opens on this year.
// Text that is no number counts as the lowest value of the range.
class PresetSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit PresetSpinBox(QWidget *parent = nullptr);

    // The range the user picks from.
    void setPickRange(int minimum, int maximum);

    // Sets the value as it is, even outside the pick range.
    void preset(int value);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void fixup(QString &input) const override;

private:
    void backIntoRange();

    int m_pickMinimum = 0;
    int m_pickMaximum = 99;
    bool m_edited = false;
};
