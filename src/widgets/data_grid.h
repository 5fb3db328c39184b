#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <initializer_list>

class QAbstractItemModel;
class QModelIndex;
class QScrollBar;
class QStyledItemDelegate;
class QTableView;
class GridView;
class GridDelegate;
class GridFooter;

// How a column shows the model's raw value. Money columns hold integer ten-thousandths.
enum class ColumnFormat {
    Text,        // the value as it is
    YuanPicture, // "￥12.50", "￥.50"
    Currency,    // "¥1,234.50"
    Date,        // "2024-05-03", with the time only when it is not midnight
};

// One column of a list as a page lays it out, found by its field name (the select's
// name for it). Pages keep one table of these per list.
struct GridColumn {
    const char *field;
    int width =
        -1; // the least width (a money or date column widens to its values); -1 leaves it as it is
    ColumnFormat format = ColumnFormat::Text;
    bool hidden = false;
    bool readOnly = false;
    bool sum = false;     // summed in the footer
    QString heading = {}; // shown instead of the field name
};

// The one grid of every list: a table with a footer row of sums underneath that follows
// the columns as they scroll and resize. Column settings are kept by the grid and put
// back after every reload of the model (a header forgets them on reset).
class DataGrid : public QWidget {
    Q_OBJECT

public:
    // What the draw hook may change before a cell is painted.
    struct Cell {
        int row;
        int column; // model column
        QString text;
        QColor background; // invalid: as usual
        QColor foreground; // invalid: as usual
    };
    using CellDrawHook = std::function<void(Cell &cell)>;

    static constexpr QRgb HighlightColour = qRgb(166, 202, 240);
    static constexpr QRgb FooterColour = qRgb(255, 255, 0);

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const { return m_model; }
    QTableView *view() const;
    QWidget *viewport() const;

    // Model column with this field name (see FieldNameRole), -1 when none.
    int column(const QString &field) const;
    // Lays the columns out as the table says; the model's other columns stay as they are.
    void applyColumns(std::initializer_list<GridColumn> columns);

    void setColumnHidden(int column, bool hidden = true);
    void setColumnReadOnly(int column, bool readOnly = true);
    void setColumnWidth(int column, int width);
    void setColumnFormat(int column, ColumnFormat format);
    ColumnFormat columnFormat(int column) const { return m_settings.value(column).format; }
    // Edits and names the column's values through another delegate (a lookup list);
    // painting, highlight and footer stay the grid's.
    void setColumnDelegate(int column, QStyledItemDelegate *delegate);
    void setHeading(int column, const QString &text);
    void moveColumn(int column, int visualPosition);

    void setRowHeight(int pixels);
    void setReadOnly(bool readOnly);
    void setFitColumnsToWidth(bool fit);
    void setHeadingColour(const QColor &colour);
    void setCurrentRowHighlight(bool on);
    void setCellDrawHook(CellDrawHook hook);

    void setFooterVisible(bool visible);
    // The static text under the first visible column; shows the footer.
    void setFooterLabel(const QString &text);
    void setFooterSum(int column, bool on = true);
    // The rows shown leave out a figure that was beyond the currency range: the footer's
    // sums would be partial, so they say so instead. Cleared when the model is reset.
    void setSumsOutOfRange(bool outOfRange);

    int currentRow() const;
    void setCurrentRow(int row);
    // Puts the text of an open cell editor into the model (before a save).
    void commitEdit();

    // What the user sees, by visible column in on-screen order (0-based).
    int rowCountShown() const;
    QStringList visibleHeadings() const;
    QString cellText(int row, int visibleColumn) const;
    QString footerText(int visibleColumn) const;
    int visibleColumnForHeading(const QString &heading) const;
    QModelIndex indexAt(int row, int visibleColumn) const;
    // In viewport() coordinates, for clicking a cell.
    QRect visualCellRect(int row, int visibleColumn) const;

    // Text of a cell by model column: format, lookup name, then the draw hook.
    QString displayText(const QModelIndex &index) const;
    // The text a column shows for a raw value, by its format alone.
    QString formattedValue(int column, const QVariant &raw) const { return formatted(column, raw); }
    // Money columns sit on the right.
    bool alignsRight(int column) const { return isMoneyColumn(column); }
    QString footerTextForColumn(int column) const;
    int logicalColumn(int visibleColumn) const;

signals:
    void currentRowChanged(int row);
    void cellClicked(int row, int column); // model column
    // A mouse button went down in the rows, after the current row moved there.
    void mousePressed();
    // "导出CSV…" was chosen in the context menu, which offers it while this is connected.
    void exportRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    friend class GridDelegate;
    friend class GridFooter;

    struct ColumnSettings {
        bool hidden = false;
        bool readOnly = false;
        int width = -1;
        ColumnFormat format = ColumnFormat::Text;
        QPointer<QStyledItemDelegate> delegate;
        QString heading;
        int visualPosition = -1;
        bool sum = false;
    };

    void applyColumnSettings();
    void modelReset();
    void fetchAll();
    void recomputeFooter();
    // Money and date columns widen to their widest value in these rows (and the footer),
    // so no digit is ever cut off; the set width stays the least width.
    void widenToContent(int firstRow, int lastRow);
    void widenColumnToContent(int column, int firstRow, int lastRow);
    void syncScrollBar();
    bool isMoneyColumn(int column) const;
    Cell cellFor(const QModelIndex &index) const;
    QString formatted(int column, const QVariant &raw) const;

    GridView *m_view;
    GridDelegate *m_delegate;
    GridFooter *m_footer;
    QScrollBar *m_scrollBar;
    QPointer<QAbstractItemModel> m_model;
    QList<QMetaObject::Connection> m_modelConnections;
    QHash<int, ColumnSettings> m_settings;
    CellDrawHook m_hook;
    QString m_footerLabel;
    QHash<int, QString> m_footerSums; // by model column
    bool m_highlight = false;
    bool m_sumsOutOfRange = false;
    bool m_fit = false;
    bool m_readOnly = false;
    bool m_applying = false;
    bool m_fetching = false;
};
