#include "entry/category_list_box.h"

#include "ledger/rows_model.h"
#include "widgets/data_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

CategoryListBox::CategoryListBox(QWidget *parent) : QGroupBox(QStringLiteral("项目列表"), parent) {
    setObjectName(QStringLiteral("GroupBox6"));
    setGeometry(18, 148, 240, 173);
    // It floats over the fields and the day list: opaque, outlined all round.
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QGroupBox#GroupBox6 { background: palette(window); border: 1px solid palette(dark);"
        " border-radius: 3px; margin: 0; padding-top: 16px; }"
        "QGroupBox#GroupBox6::title { subcontrol-origin: padding; left: 7px; top: 3px; }"));

    auto *label = new QLabel(QStringLiteral("项目大类："), this);
    label->setGeometry(8, 22, 64, 22);
    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("DBLookupComboboxEh3"));
    m_chooser->setGeometry(72, 22, 160, 22);
    label->setBuddy(m_chooser);

    m_model = new RowsModel(this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh2"));
    m_grid->setGeometry(6, 50, 228, 117);
    m_grid->setReadOnly(true);
    m_grid->setFitColumnsToWidth(true);
    m_grid->setRowHeight(20);
    m_grid->setModel(m_model);

    connect(m_chooser, &QComboBox::activated, this, [this](int index) {
        const QVariant id = m_chooser->itemData(index);
        if (id.isValid())
            emit topCategoryChosen(id.toLongLong());
    });
    connect(m_grid, &DataGrid::cellClicked, this, [this](int row, int) {
        if (row < 0 || row >= m_model->rowCount())
            return;
        emit categoryClicked(m_model->value(row, QStringLiteral("项目")).toString(),
                             m_model->value(row, QStringLiteral("f_id")));
    });
    hide();
}

void CategoryListBox::setTopCategories(const QueryRows &rows) {
    const QVariant chosen = m_chooser->currentData();
    const QSignalBlocker quiet(m_chooser);
    m_chooser->clear();
    for (const QVariantList &row : rows.rows)
        m_chooser->addItem(row.value(1).toString(), row.value(0));
    m_chooser->setCurrentIndex(chosen.isValid() ? m_chooser->findData(chosen) : -1);
}

void CategoryListBox::showRows(const QueryRows &rows) {
    m_model->setRows(rows);
    const int topColumn = int(rows.headings.indexOf(QStringLiteral("f_id")));
    if (topColumn >= 0)
        m_grid->setColumnHidden(topColumn);
}
