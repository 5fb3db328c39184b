#pragma once

#include "bills/bill_detect.h"
#include "bills/bill_row.h"
#include "core/app_context.h"
#include "ledger/import_plan.h"
#include "store/entry_kind.h"

#include <QByteArray>
#include <QDialog>
#include <memory>

class CategorySearch;
class CsvMappingBox;
class DataGrid;
class ImportPreviewModel;
class LookupList;
class QComboBox;
class QLabel;
class QLineEdit;

// A bill file chosen for import.
struct BillFile {
    QString path;
    BillFileKind kind = BillFileKind::Unknown;
    QByteArray bytes;    // what the mapping step reads again for a generic CSV
    QList<BillRow> rows; // the rows read, for a payment service's bill
};

// "导入账单": the preview of a bill before anything is written. Every row with its
// state, proposed category, account and member; the user changes categories (typing a
// name or quick code, as on the entry page), the account and member of all rows, which
// rows are imported, and for a generic CSV how its columns are read. "导入" writes the
// chosen rows in one transaction.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // Reads what the books know about the rows. Throws DbError.
    ImportDialog(const AppContext &context, BillFile file, QWidget *parent);
    ~ImportDialog() override;

    const ImportPlan &plan() const { return *m_plan; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildGrid();
    QWidget *buildChoices();
    void readMappedRows();
    void showRows(QList<BillRow> rows);
    void fillDefaults();
    void currentRowChanged(int row);
    QList<int> selectedRows() const;
    void categoryPicked(const QString &name);
    void toggle(const QList<int> &rows);
    void targetChanged();
    void defaultChosen(EntryKind kind, QComboBox *box);
    void editRules();
    void importRows();
    void updateSummary();

    AppContext m_context;
    BillFile m_file;
    std::unique_ptr<ImportPlan> m_plan;
    QString m_readError;
    std::unique_ptr<LookupList> m_accounts;
    std::unique_ptr<LookupList> m_members;

    CsvMappingBox *m_mapping = nullptr;
    DataGrid *m_grid = nullptr;
    ImportPreviewModel *m_model = nullptr;
    QLineEdit *m_category = nullptr;
    CategorySearch *m_search = nullptr;
    QComboBox *m_account = nullptr;
    QComboBox *m_member = nullptr;
    QComboBox *m_defaultExpense = nullptr;
    QComboBox *m_defaultIncome = nullptr;
    QLabel *m_summary = nullptr;
    bool m_filling = false;
};
