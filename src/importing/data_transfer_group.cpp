#include "importing/data_transfer_group.h"

#include "bills/bill_detect.h"
#include "bills/generic_csv.h"
#include "core/captions.h"
#include "core/error_policy.h"
#include "core/services.h"
#include "importing/grid_export.h"
#include "importing/import_dialog.h"
#include "ledger/entry_export.h"

#include <QDir>
#include <QVBoxLayout>
#include <QPushButton>

namespace {

// A text file that splits into columns at all: worth showing the mapping step for,
// even when no heading was recognised.
bool looksLikeCsv(const QByteArray &bytes) {
    if (bytes.startsWith("PK\x03\x04"))
        return false; // a workbook, just not a WeChat bill
    const QList<CsvRecord> records = loadCsv(bytes);
    return std::any_of(records.begin(), records.end(),
                       [](const CsvRecord &r) { return r.fields.size() > 1; });
}

} // namespace

DataTransferGroup::DataTransferGroup(const AppContext &context, QWidget *parent)
    : QGroupBox(QStringLiteral("数据导入导出"), parent), m_context(context) {
    setObjectName(QStringLiteral("dataTransfer"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *importButton = new QPushButton(QStringLiteral("导入账单…"), this);
    auto *exportButton = new QPushButton(QStringLiteral("导出全部收支…"), this);
    importButton->setToolTip(QStringLiteral("支持支付宝、微信支付账单和银行流水（CSV、XLSX）"));
    exportButton->setToolTip(QStringLiteral("每一笔收支写成一个CSV文件，可用电子表格打开"));
    for (QPushButton *button : {importButton, exportButton})
        button->setMinimumHeight(32);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 14, 8, 8);
    layout->setSpacing(10);
    layout->addWidget(importButton);
    layout->addWidget(exportButton);
    layout->addStretch();
    ErrorPolicy::connect(importButton, &QPushButton::clicked, this, m_context.prompts,
                         &DataTransferGroup::importBill);
    ErrorPolicy::connect(exportButton, &QPushButton::clicked, this, m_context.prompts,
                         &DataTransferGroup::exportAll);
}

void DataTransferGroup::importBill() {
    const QString path =
        m_context.prompts.openFileName(QStringLiteral("导入账单"), QDir::homePath(),
                                       QStringLiteral("账单文件 (*.csv *.xlsx);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    const auto refuse = [this](const QString &text) {
        m_context.prompts.inform(Captions::system(), text, Prompts::Icon::Error);
    };
    BillFile file;
    file.path = path;
    QString error;
    file.bytes = readBillBytes(path, &error);
    if (!error.isEmpty())
        return refuse(error);
    DetectedBill bill = readDetectedBill(file.bytes);
    file.kind = bill.kind;
    if (file.kind == BillFileKind::Unknown) {
        if (!looksLikeCsv(file.bytes))
            return refuse(
                QStringLiteral("无法识别的账单文件：请选择支付宝、微信支付账单或 CSV 文件"));
        file.kind = BillFileKind::GenericCsv; // the user maps the columns
    }
    if (file.kind != BillFileKind::GenericCsv) {
        file.rows = std::move(bill.read.rows);
        file.bytes.clear();
    }
    auto *dialog = new ImportDialog(m_context, std::move(file), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void DataTransferGroup::exportAll() {
    GridExport::saveAs(m_context, QStringLiteral("全部收支"),
                       [this](CsvWriter &writer) { return exportEntries(m_context.db, writer); });
}
