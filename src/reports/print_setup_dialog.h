#pragma once

#include "printout/print_settings.h"

#include <QDialog>

class PrintService;
class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

// 打印设置: the font, margins, orientation and grid options of a printout. It opens
// with the settings in use and gives the changed ones when accepted.
class PrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    // shownFont: the grid's font on paper while no other is chosen.
    PrintSetupDialog(const PrintSettings &settings, const QFont &shownFont, PrintService &printer,
                     QWidget *parent = nullptr);

    PrintSettings settings() const;

private:
    void chooseFont();
    void setUpPrinter();
    void showFont();
    void followFitting();

    PrintService &m_printer;
    PrintSettings m_settings;
    QFont m_shownFont;
    QLineEdit *m_fontName;
    QDoubleSpinBox *m_top;
    QDoubleSpinBox *m_bottom;
    QDoubleSpinBox *m_left;
    QDoubleSpinBox *m_right;
    QRadioButton *m_portrait;
    QRadioButton *m_landscape;
    QCheckBox *m_extendLines;
    QCheckBox *m_colour;
    QCheckBox *m_fit;
    QRadioButton *m_scaleGrid;
    QRadioButton *m_changeWidths;
    QCheckBox *m_optimal;
};
