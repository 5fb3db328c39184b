#include "reports/print_setup_dialog.h"

#include "core/printing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Margins in millimetres; at most 60 each, so an A4 sheet keeps room for the grid.
QDoubleSpinBox *marginBox(double value, const QString &name, QWidget *parent) {
    auto *box = new QDoubleSpinBox(parent);
    box->setAccessibleName(name);
    box->setRange(0, 60);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

} // namespace

PrintSetupDialog::PrintSetupDialog(const PrintSettings &settings, const QFont &shownFont,
                                   PrintService &printer, QWidget *parent)
    : QDialog(parent), m_printer(printer), m_settings(settings), m_shownFont(shownFont) {
    setObjectName(QStringLiteral("printSetupDialog"));
    setWindowTitle(QStringLiteral("打印设置"));
    setMinimumWidth(360);

    auto *fontLabel = new QLabel(QStringLiteral("字体(&N)"), this);
    m_fontName = new QLineEdit(this);
    m_fontName->setAccessibleName(QStringLiteral("字体"));
    m_fontName->setReadOnly(true);
    fontLabel->setBuddy(m_fontName);
    auto *fontButton = new QPushButton(QStringLiteral("..."), this);
    fontButton->setFixedWidth(32);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_fontName, 1);
    fontRow->addWidget(fontButton);

    auto *margins = new QGroupBox(QStringLiteral("页边距(&M)"), this);
    m_top = marginBox(settings.margins.top(), QStringLiteral("上边距"), margins);
    m_bottom = marginBox(settings.margins.bottom(), QStringLiteral("下边距"), margins);
    m_left = marginBox(settings.margins.left(), QStringLiteral("左边距"), margins);
    m_right = marginBox(settings.margins.right(), QStringLiteral("右边距"), margins);
    m_portrait = new QRadioButton(QStringLiteral("纵向"), margins);
    m_landscape = new QRadioButton(QStringLiteral("横向"), margins);
    (settings.paper.landscape ? m_landscape : m_portrait)->setChecked(true);
    auto *marginGrid = new QGridLayout(margins);
    const auto place = [&](const QString &caption, QDoubleSpinBox *box, int row, int column) {
        auto *label = new QLabel(caption, margins);
        label->setBuddy(box);
        marginGrid->addWidget(label, row, column);
        marginGrid->addWidget(box, row, column + 1);
    };
    place(QStringLiteral("上边距:"), m_top, 0, 0);
    place(QStringLiteral("下边距:"), m_bottom, 0, 2);
    place(QStringLiteral("左边距:"), m_left, 1, 0);
    place(QStringLiteral("右边距:"), m_right, 1, 2);
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(new QLabel(QStringLiteral("打印方向:"), margins));
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    orientation->addStretch();
    marginGrid->addLayout(orientation, 2, 0, 1, 4);

    m_extendLines = new QCheckBox(QStringLiteral("延长表格线(&S)"), this);
    m_colour = new QCheckBox(QStringLiteral("彩色(&C)"), this);
    m_fit = new QCheckBox(QStringLiteral("表格宽度适应页面宽度(&F)"), this);
    m_scaleGrid = new QRadioButton(QStringLiteral("缩放整个表格(&G)"), this);
    m_changeWidths = new QRadioButton(QStringLiteral("改变列宽(&C)"), this);
    auto *fitModes = new QButtonGroup(this);
    fitModes->addButton(m_scaleGrid);
    fitModes->addButton(m_changeWidths);
    m_optimal = new QCheckBox(QStringLiteral("自动调整列宽到合适尺寸(&W)"), this);
    m_extendLines->setChecked(settings.extendLines);
    m_colour->setChecked(settings.colour);
    m_fit->setChecked(settings.fitToWidth);
    (settings.fitMode == FitMode::ScaleGrid ? m_scaleGrid : m_changeWidths)->setChecked(true);
    m_optimal->setChecked(settings.optimalWidths);
    auto *fitRow = new QHBoxLayout;
    fitRow->addSpacing(20);
    fitRow->addWidget(m_scaleGrid);
    fitRow->addWidget(m_changeWidths);
    fitRow->addStretch();

    auto *printerButton = new QPushButton(QStringLiteral("打印机设置(&P)"), this);
    auto *ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    auto *cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(printerButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fontRow);
    layout->addWidget(margins);
    // Each check box as wide as its caption: a click beside it does not tick it.
    layout->addWidget(m_extendLines, 0, Qt::AlignLeft);
    layout->addWidget(m_colour, 0, Qt::AlignLeft);
    layout->addWidget(m_fit, 0, Qt::AlignLeft);
    layout->addLayout(fitRow);
    layout->addWidget(m_optimal, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(fontButton, &QPushButton::clicked, this, &PrintSetupDialog::chooseFont);
    connect(printerButton, &QPushButton::clicked, this, &PrintSetupDialog::setUpPrinter);
    connect(m_fit, &QCheckBox::toggled, this, &PrintSetupDialog::followFitting);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showFont();
    followFitting();
}

PrintSettings PrintSetupDialog::settings() const {
    PrintSettings s = m_settings;
    s.margins = QMarginsF(m_left->value(), m_top->value(), m_right->value(), m_bottom->value());
    s.paper.landscape = m_landscape->isChecked();
    s.extendLines = m_extendLines->isChecked();
    s.colour = m_colour->isChecked();
    s.fitToWidth = m_fit->isChecked();
    s.fitMode = m_changeWidths->isChecked() ? FitMode::ChangeWidths : FitMode::ScaleGrid;
    s.optimalWidths = m_optimal->isChecked();
    return s;
}

void PrintSetupDialog::chooseFont() {
    // Opened rather than run with exec(): the choice comes back through fontSelected.
    auto *dialog = new QFontDialog(m_settings.font.value_or(m_shownFont), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("字体"));
    connect(dialog, &QFontDialog::fontSelected, this, [this](const QFont &font) {
        m_settings.font = font;
        showFont();
    });
    dialog->open();
}

void PrintSetupDialog::setUpPrinter() {
    Paper paper = m_settings.paper;
    paper.landscape = m_landscape->isChecked();
    if (!m_printer.setUpPrinter(paper))
        return;
    m_settings.paper = paper;
    (paper.landscape ? m_landscape : m_portrait)->setChecked(true);
}

void PrintSetupDialog::showFont() {
    const QFont font = m_settings.font.value_or(m_shownFont);
    const QString size = font.pixelSize() > 0 ? QStringLiteral("%1 像素").arg(font.pixelSize())
                                              : QStringLiteral("%1 磅").arg(font.pointSizeF());
    m_fontName->setText(font.family() + QStringLiteral("，") + size);
}

void PrintSetupDialog::followFitting() {
    m_scaleGrid->setEnabled(m_fit->isChecked());
    m_changeWidths->setEnabled(m_fit->isChecked());
}
