#include "widgets/preset_spin_box.h"

#include <QLineEdit>
#include <algorithm>

PresetSpinBox::PresetSpinBox(QWidget *parent) : QSpinBox(parent) {
    QSpinBox::setRange(m_pickMinimum, m_pickMaximum);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (m_edited)
            backIntoRange();
        m_edited = false;
    });
}

void PresetSpinBox::setPickRange(int minimum, int maximum) {
    m_pickMinimum = minimum;
    m_pickMaximum = std::max(minimum, maximum);
    QSpinBox::setRange(m_pickMinimum, m_pickMaximum);
}

void PresetSpinBox::preset(int value) {
    // QSpinBox clamps to its range, so the range widens just enough to hold the value.
    QSpinBox::setRange(std::min(value, m_pickMinimum), std::max(value, m_pickMaximum));
    setValue(value);
    m_edited = false;
}

void PresetSpinBox::stepBy(int steps) {
    const qint64 target = qint64(value()) + qint64(steps) * singleStep();
    QSpinBox::setRange(m_pickMinimum, m_pickMaximum);
    setValue(int(std::clamp<qint64>(target, m_pickMinimum, m_pickMaximum)));
    selectAll();
}

QAbstractSpinBox::StepEnabled PresetSpinBox::stepEnabled() const {
    // Outside the pick range either arrow brings the value back into it.
    if (value() < m_pickMinimum || value() > m_pickMaximum)
        return StepUpEnabled | StepDownEnabled;
    return QSpinBox::stepEnabled();
}

void PresetSpinBox::fixup(QString &input) const {
    QString digits = input;
    if (digits.startsWith(prefix()))
        digits.remove(0, prefix().size());
    if (digits.endsWith(suffix()))
        digits.chop(suffix().size());
    bool number = false;
    digits.trimmed().toInt(&number);
    if (!number)
        input = prefix() + QString::number(m_pickMinimum) + suffix();
    else
        QSpinBox::fixup(input);
}

void PresetSpinBox::backIntoRange() {
    if (minimum() == m_pickMinimum && maximum() == m_pickMaximum)
        return;
    const int kept = std::clamp(value(), m_pickMinimum, m_pickMaximum);
    QSpinBox::setRange(m_pickMinimum, m_pickMaximum);
    setValue(kept);
}
