#include "widgets/data_grid.h"

#include "ledger/field_role.h"

#include "store/dates.h"
#include "store/money.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

// QTableView with the two protected calls the grid needs, and a full repaint when the
// current row or the focus changes: the highlight covers every cell of the row, while
// Qt itself only repaints the cells it thinks have changed.
class GridView : public QTableView {
public:
    using QTableView::QTableView;

    void commitOpenEditor() {
        if (state() != EditingState)
            return;
        const auto editors = viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *editor : editors) {
            if (!editor->isVisible())
                continue;
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

    std::function<void()> afterPress;

protected:
    // Reported after the view has moved to the pressed row, so a page that fills the
    // current row's keys on a press fills the row the user pressed.
    void mousePressEvent(QMouseEvent *event) override {
        QTableView::mousePressEvent(event);
        if (afterPress)
            afterPress();
    }
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override {
        QTableView::currentChanged(current, previous);
        viewport()->update();
    }
    void focusInEvent(QFocusEvent *event) override {
        QTableView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override {
        QTableView::focusOutEvent(event);
        viewport()->update();
    }
};

// Paints every cell: the grid's text, the current-row highlight, the draw hook's
// colours. Editing goes to a column's own delegate when it has one.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QTableView *view = m_grid->view();
        const QModelIndex current = view->currentIndex();
        const bool currentRow = current.isValid() && index.row() == current.row();
        const bool focusedCell = index == current && view->hasFocus();
        if (m_grid->m_highlight && currentRow && !focusedCell) {
            o.state &= ~QStyle::State_Selected;
            o.backgroundBrush = QColor(DataGrid::HighlightColour);
            o.palette.setColor(QPalette::Text, Qt::black);
        }
        const QStyle *style = o.widget ? o.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override {
        if (m_grid->m_readOnly || m_grid->m_settings.value(index.column()).readOnly)
            return nullptr;
        if (QStyledItemDelegate *own = columnDelegate(index))
            return own->createEditor(parent, option, index);
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override {
        if (QStyledItemDelegate *own = columnDelegate(index))
            own->setEditorData(editor, index);
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override {
        if (QStyledItemDelegate *own = columnDelegate(index))
            own->setModelData(editor, model, index);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override {
        if (QStyledItemDelegate *own = columnDelegate(index))
            own->updateEditorGeometry(editor, option, index);
        else
            QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const DataGrid::Cell cell = m_grid->cellFor(index);
        option->text = cell.text;
        if (!cell.text.isEmpty())
            option->features |= QStyleOptionViewItem::HasDisplay;
        if (!index.data(Qt::TextAlignmentRole).isValid())
            option->displayAlignment =
                (m_grid->isMoneyColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter;
        if (cell.background.isValid())
            option->backgroundBrush = cell.background;
        if (cell.foreground.isValid())
            option->palette.setColor(QPalette::Text, cell.foreground);
    }

private:
    QStyledItemDelegate *columnDelegate(const QModelIndex &index) const {
        return m_grid->m_settings.value(index.column()).delegate.data();
    }

    DataGrid *m_grid;
};

// The yellow row of the static label and the sums, drawn column by column at the
// places the header gives, so it follows scrolling, resizing and moved columns.
class GridFooter : public QWidget {
public:
    explicit GridFooter(DataGrid *grid, QWidget *parent) : QWidget(parent), m_grid(grid) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(DataGrid::FooterColour));
        const QWidget *viewport = m_grid->viewport();
        const QHeaderView *header = m_grid->view()->horizontalHeader();
        // The same grid-line colour the table itself asks its style for.
        QStyleOptionViewItem option;
        option.initFrom(m_grid->view());
        const QColor lines = QColor::fromRgba(static_cast<QRgb>(m_grid->view()->style()->styleHint(
            QStyle::SH_Table_GridLineColor, &option, m_grid->view())));
        p.setPen(lines);
        p.drawLine(0, 0, width(), 0);

        const int origin = viewport->mapTo(parentWidget(), QPoint(0, 0)).x() - x();
        p.setClipRect(origin, 0, viewport->width(), height());
        p.setFont(m_grid->view()->font());

        struct Place {
            int column;
            QRect rect;
        };
        std::vector<Place> places;
        for (int v = 0; v < header->count(); ++v) {
            const int column = header->logicalIndex(v);
            if (header->isSectionHidden(column))
                continue;
            const QRect r(origin + header->sectionViewportPosition(column), 1,
                          header->sectionSize(column), height() - 1);
            places.push_back({column, r});
            p.setPen(lines);
            p.drawLine(r.right(), 0, r.right(), height());
        }
        p.setPen(m_grid->view()->palette().color(QPalette::Text));
        for (size_t i = 0; i < places.size(); ++i) {
            const QString text = m_grid->footerTextForColumn(places[i].column);
            if (text.isEmpty())
                continue;
            QRect r = places[i].rect.adjusted(3, 0, -3, 0);
            Qt::Alignment align = Qt::AlignLeft;
            if (m_grid->m_footerSums.contains(places[i].column)) {
                align = m_grid->isMoneyColumn(places[i].column) ? Qt::AlignRight : Qt::AlignLeft;
            } else {
                // The label may run on over following cells that have nothing to show.
                for (size_t j = i + 1; j < places.size(); ++j) {
                    if (!m_grid->footerTextForColumn(places[j].column).isEmpty())
                        break;
                    r.setRight(places[j].rect.right() - 3);
                }
            }
            p.drawText(r, int(align | Qt::AlignVCenter),
                       fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
        }
    }

private:
    DataGrid *m_grid;
};

DataGrid::DataGrid(QWidget *parent) : QWidget(parent) {
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    m_view = new GridView(frame);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_view->setWordWrap(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_delegate = new GridDelegate(this);
    m_view->setItemDelegate(m_delegate);
    m_view->afterPress = [this] { emit mousePressed(); };

    m_footer = new GridFooter(this, frame);
    m_footer->hide();
    m_scrollBar = new QScrollBar(Qt::Horizontal, frame);
    m_scrollBar->hide();

    auto *layout = new QVBoxLayout(frame); // inside the frame's border
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_scrollBar);

    QHeaderView *header = m_view->horizontalHeader();
    auto repaintFooter = [this] { m_footer->update(); };
    connect(header, &QHeaderView::sectionResized, m_footer, repaintFooter);
    connect(header, &QHeaderView::sectionMoved, m_footer, repaintFooter);
    connect(header, &QHeaderView::geometriesChanged, this, [this] {
        syncScrollBar();
        m_footer->update();
    });
    QScrollBar *own = m_view->horizontalScrollBar();
    connect(own, &QScrollBar::valueChanged, m_footer, repaintFooter);
    connect(own, &QScrollBar::valueChanged, m_scrollBar, &QScrollBar::setValue);
    connect(own, &QScrollBar::rangeChanged, this, &DataGrid::syncScrollBar);
    connect(m_scrollBar, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    connect(m_view, &QTableView::clicked, this,
            [this](const QModelIndex &index) { emit cellClicked(index.row(), index.column()); });

    setRowHeight(22);
    setReadOnly(false);
}

DataGrid::~DataGrid() {
    // QWidget's destructor deletes the view and its parts after this object is gone,
    // and they still signal on the way out: cut every line back into this grid first.
    QHeaderView *header = m_view->horizontalHeader();
    QScrollBar *own = m_view->horizontalScrollBar();
    for (QObject *sender : std::initializer_list<QObject *>{header, own, m_view, m_scrollBar}) {
        sender->disconnect(this);
        sender->disconnect(m_footer);
    }
    if (m_view->selectionModel())
        m_view->selectionModel()->disconnect(this);
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
}

void DataGrid::contextMenuEvent(QContextMenuEvent *event) {
    // The view and its header pass the request up to here.
    if (!isSignalConnected(QMetaMethod::fromSignal(&DataGrid::exportRequested))) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QPointer<DataGrid> self(this);
    QMenu menu(this);
    QAction *exportCsv = menu.addAction(QStringLiteral("导出CSV…"));
    if (menu.exec(event->globalPos()) == exportCsv && self)
        emit exportRequested();
}

QTableView *DataGrid::view() const {
    return m_view;
}

QWidget *DataGrid::viewport() const {
    return m_view->viewport();
}

void DataGrid::setModel(QAbstractItemModel *model) {
    if (model == m_model)
        return;
    for (const auto &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    m_model = model;
    // The view makes a new selection model and leaves the old one to us.
    QItemSelectionModel *oldSelection = m_view->selectionModel();
    m_view->setModel(model);
    delete oldSelection;
    if (model) {
        auto footer = [this] { recomputeFooter(); };
        m_modelConnections << connect(model, &QAbstractItemModel::modelReset, this,
                                      &DataGrid::modelReset)
                           << connect(model, &QAbstractItemModel::rowsInserted, this,
                                      [this](const QModelIndex &, int first, int last) {
                                          recomputeFooter();
                                          widenToContent(first, last);
                                      })
                           << connect(model, &QAbstractItemModel::rowsRemoved, this, footer)
                           << connect(model, &QAbstractItemModel::dataChanged, this,
                                      [this](const QModelIndex &from, const QModelIndex &to) {
                                          recomputeFooter();
                                          widenToContent(from.row(), to.row());
                                      })
                           << connect(model, &QAbstractItemModel::layoutChanged, this, footer)
                           << connect(model, &QAbstractItemModel::headerDataChanged, m_footer,
                                      [this] { m_footer->update(); });
    }
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { emit currentRowChanged(current.row()); });
    modelReset();
}

int DataGrid::column(const QString &field) const {
    if (!m_model)
        return -1;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (m_model->headerData(c, Qt::Horizontal, FieldNameRole).toString() == field)
            return c;
    return -1;
}

void DataGrid::applyColumns(std::initializer_list<GridColumn> columns) {
    for (const GridColumn &c : columns) {
        const int at = column(QString::fromUtf8(c.field));
        if (at < 0) {
            qWarning("DataGrid: no column %s", c.field);
            continue;
        }
        setColumnHidden(at, c.hidden);
        setColumnReadOnly(at, c.readOnly);
        if (c.width >= 0)
            setColumnWidth(at, c.width);
        setColumnFormat(at, c.format);
        setFooterSum(at, c.sum);
        if (!c.heading.isEmpty())
            setHeading(at, c.heading);
    }
}

void DataGrid::setColumnHidden(int column, bool hidden) {
    m_settings[column].hidden = hidden;
    m_view->setColumnHidden(column, hidden);
    m_footer->update();
}

void DataGrid::setColumnReadOnly(int column, bool readOnly) {
    m_settings[column].readOnly = readOnly;
}

void DataGrid::setColumnWidth(int column, int width) {
    m_settings[column].width = width;
    if (!m_fit)
        m_view->horizontalHeader()->resizeSection(column, width);
    widenColumnToContent(column, 0, m_model ? m_model->rowCount() - 1 : -1);
}

void DataGrid::setColumnFormat(int column, ColumnFormat format) {
    m_settings[column].format = format;
    recomputeFooter();
    widenColumnToContent(column, 0, m_model ? m_model->rowCount() - 1 : -1);
    m_view->viewport()->update();
}

void DataGrid::setColumnDelegate(int column, QStyledItemDelegate *delegate) {
    ColumnSettings &s = m_settings[column];
    if (s.delegate == delegate)
        return;
    s.delegate = delegate;
    if (delegate) {
        // Its editors report to it; the view listens to the grid's delegate.
        connect(delegate, &QAbstractItemDelegate::commitData, m_delegate,
                &QAbstractItemDelegate::commitData, Qt::UniqueConnection);
        connect(delegate, &QAbstractItemDelegate::closeEditor, m_delegate,
                &QAbstractItemDelegate::closeEditor, Qt::UniqueConnection);
    }
    m_view->viewport()->update();
}

void DataGrid::setHeading(int column, const QString &text) {
    m_settings[column].heading = text;
    if (m_model)
        m_model->setHeaderData(column, Qt::Horizontal, text);
}

void DataGrid::moveColumn(int column, int visualPosition) {
    m_settings[column].visualPosition = visualPosition;
    QHeaderView *header = m_view->horizontalHeader();
    if (column < header->count())
        header->moveSection(header->visualIndex(column),
                            std::clamp(visualPosition, 0, header->count() - 1));
}

void DataGrid::setRowHeight(int pixels) {
    QHeaderView *rows = m_view->verticalHeader();
    rows->setMinimumSectionSize(std::min(pixels, rows->minimumSectionSize()));
    rows->setDefaultSectionSize(pixels);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    m_footer->setFixedHeight(pixels);
}

void DataGrid::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    m_view->setEditTriggers(
        readOnly ? QAbstractItemView::NoEditTriggers
                 : QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                       QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

void DataGrid::setFitColumnsToWidth(bool fit) {
    m_fit = fit;
    applyColumnSettings();
}

void DataGrid::setHeadingColour(const QColor &colour) {
    const QString lines = colour.darker(130).name();
    m_view->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; padding: 2px 4px;"
                       " border: none; border-right: 1px solid %2;"
                       " border-bottom: 1px solid %2; }")
            .arg(colour.name(), lines));
}

void DataGrid::setCurrentRowHighlight(bool on) {
    m_highlight = on;
    m_view->viewport()->update();
}

void DataGrid::setCellDrawHook(CellDrawHook hook) {
    m_hook = std::move(hook);
    m_view->viewport()->update();
}

void DataGrid::setFooterVisible(bool visible) {
    m_footer->setVisible(visible);
    // The footer sits between the rows and the horizontal scroll bar, so the view's own
    // bar is replaced by one under the footer.
    m_view->setHorizontalScrollBarPolicy(visible ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    syncScrollBar();
}

void DataGrid::setFooterLabel(const QString &text) {
    m_footerLabel = text;
    setFooterVisible(true);
    m_footer->update();
}

void DataGrid::setFooterSum(int column, bool on) {
    m_settings[column].sum = on;
    recomputeFooter();
}

int DataGrid::currentRow() const {
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DataGrid::setCurrentRow(int row) {
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    const int column = std::max(logicalColumn(0), 0);
    m_view->setCurrentIndex(m_model->index(row, column));
}

void DataGrid::commitEdit() {
    m_view->commitOpenEditor();
}

void DataGrid::modelReset() {
    m_sumsOutOfRange = false; // a new set of rows, whole until told otherwise
    fetchAll();
    applyColumnSettings();
    recomputeFooter();
}

// A model that reads in batches (QSqlQueryModel) would otherwise sum only the rows
// fetched so far.
void DataGrid::fetchAll() {
    if (!m_model)
        return;
    m_fetching = true;
    while (m_model->canFetchMore({}))
        m_model->fetchMore({});
    m_fetching = false;
}

void DataGrid::applyColumnSettings() {
    if (!m_model || m_applying)
        return;
    m_applying = true;
    QHeaderView *header = m_view->horizontalHeader();
    const int count = m_model->columnCount();
    std::vector<std::pair<int, int>> moves;
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it) {
        const int column = it.key();
        if (column >= count)
            continue;
        const ColumnSettings &s = it.value();
        m_view->setColumnHidden(column, s.hidden);
        if (!s.heading.isEmpty() &&
            m_model->headerData(column, Qt::Horizontal).toString() != s.heading)
            m_model->setHeaderData(column, Qt::Horizontal, s.heading);
        if (s.visualPosition >= 0)
            moves.emplace_back(s.visualPosition, column);
    }
    std::sort(moves.begin(), moves.end());
    for (const auto &[position, column] : moves)
        header->moveSection(header->visualIndex(column), std::min(position, count - 1));
    header->setSectionResizeMode(m_fit ? QHeaderView::Stretch : QHeaderView::Interactive);
    if (!m_fit)
        for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it)
            if (it.key() < count && it.value().width >= 0)
                header->resizeSection(it.key(), it.value().width);
    m_applying = false;
    widenToContent(0, m_model->rowCount() - 1);
    m_footer->update();
}

void DataGrid::widenToContent(int firstRow, int lastRow) {
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it)
        widenColumnToContent(it.key(), firstRow, lastRow);
}

void DataGrid::widenColumnToContent(int column, int firstRow, int lastRow) {
    if (m_fit || m_applying || !m_model || column < 0 || column >= m_model->columnCount())
        return;
    const ColumnSettings s = m_settings.value(column);
    if (s.width < 0 || s.hidden || !(isMoneyColumn(column) || s.format == ColumnFormat::Date))
        return;
    const QFontMetrics metrics(m_view->font());
    int widest = s.sum ? metrics.horizontalAdvance(m_footerSums.value(column)) : 0;
    for (int row = std::max(firstRow, 0); row <= lastRow && row < m_model->rowCount(); ++row)
        widest =
            std::max(widest, metrics.horizontalAdvance(displayText(m_model->index(row, column))));
    // The cell's text margins on both sides and the grid line.
    const int margin =
        2 * (m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1) + 2;
    QHeaderView *header = m_view->horizontalHeader();
    if (widest > 0 && header->sectionSize(column) < widest + margin)
        header->resizeSection(column, widest + margin);
}

void DataGrid::syncScrollBar() {
    const QScrollBar *own = m_view->horizontalScrollBar();
    m_scrollBar->setRange(own->minimum(), own->maximum());
    m_scrollBar->setPageStep(own->pageStep());
    m_scrollBar->setSingleStep(own->singleStep());
    m_scrollBar->setValue(own->value());
    m_scrollBar->setVisible(!m_footer->isHidden() && own->maximum() > own->minimum());
}

bool DataGrid::isMoneyColumn(int column) const {
    const ColumnFormat f = m_settings.value(column).format;
    return f == ColumnFormat::YuanPicture || f == ColumnFormat::Currency;
}

QString DataGrid::formatted(int column, const QVariant &raw) const {
    if (!raw.isValid() || raw.isNull())
        return {};
    switch (m_settings.value(column).format) {
    case ColumnFormat::YuanPicture:
    case ColumnFormat::Currency: {
        bool ok = false;
        const qlonglong amount = raw.toLongLong(&ok);
        if (!ok)
            return raw.toString();
        const Money money = Money::fromRaw(amount);
        return m_settings.value(column).format == ColumnFormat::Currency ? money.toCurrency()
                                                                         : money.toYuanPicture();
    }
    case ColumnFormat::Date:
        if (raw.metaType().id() == QMetaType::QDateTime)
            return Dates::display(raw.toDateTime());
        if (raw.metaType().id() == QMetaType::QDate)
            return raw.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        return Dates::display(raw.toString());
    case ColumnFormat::Text:
        break;
    }
    return raw.toString();
}

DataGrid::Cell DataGrid::cellFor(const QModelIndex &index) const {
    Cell cell{index.row(), index.column(), {}, {}, {}};
    const QVariant raw = index.data(Qt::DisplayRole);
    if (const QStyledItemDelegate *own = m_settings.value(index.column()).delegate.data())
        cell.text = raw.isNull() ? QString() : own->displayText(raw, locale());
    else
        cell.text = formatted(index.column(), raw);
    if (m_hook)
        m_hook(cell);
    return cell;
}

QString DataGrid::displayText(const QModelIndex &index) const {
    return index.isValid() ? cellFor(index).text : QString();
}

void DataGrid::setSumsOutOfRange(bool outOfRange) {
    m_sumsOutOfRange = outOfRange;
    recomputeFooter();
    m_footer->update();
}

void DataGrid::recomputeFooter() {
    if (m_fetching)
        return;
    m_footerSums.clear();
    if (!m_model)
        return;
    const int rows = m_model->rowCount();
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it) {
        const int column = it.key();
        if (!it.value().sum || column >= m_model->columnCount())
            continue;
        // Only filled cells count; no filled cell at all leaves the sum empty.
        qint64 total = 0;
        bool any = false, overflow = false;
        for (int r = 0; r < rows; ++r) {
            const QVariant raw = m_model->index(r, column).data(Qt::DisplayRole);
            bool ok = false;
            const qint64 value = raw.isNull() ? 0 : raw.toLongLong(&ok);
            if (!ok)
                continue;
            any = true;
            if (__builtin_add_overflow(total, value, &total))
                overflow = true;
        }
        // The figure is left empty, saying why in its place.
        if (overflow || m_sumsOutOfRange)
            m_footerSums.insert(column, QStringLiteral("金额合计超出范围"));
        else
            m_footerSums.insert(column, any ? formatted(column, total) : QString());
        widenColumnToContent(column, 0, -1); // the footer's own text
    }
    m_footer->update();
}

QString DataGrid::footerTextForColumn(int column) const {
    if (column < 0)
        return {};
    if (m_settings.value(column).sum)
        return m_footerSums.value(column);
    return column == logicalColumn(0) ? m_footerLabel : QString();
}

int DataGrid::logicalColumn(int visibleColumn) const {
    const QHeaderView *header = m_view->horizontalHeader();
    if (!m_model || visibleColumn < 0)
        return -1;
    int seen = 0;
    for (int v = 0; v < header->count(); ++v) {
        const int column = header->logicalIndex(v);
        if (header->isSectionHidden(column))
            continue;
        if (seen++ == visibleColumn)
            return column;
    }
    return -1;
}

int DataGrid::rowCountShown() const {
    return m_model ? m_model->rowCount() : 0;
}

QStringList DataGrid::visibleHeadings() const {
    QStringList headings;
    for (int v = 0;; ++v) {
        const int column = logicalColumn(v);
        if (column < 0)
            break;
        headings << m_model->headerData(column, Qt::Horizontal).toString();
    }
    return headings;
}

QString DataGrid::cellText(int row, int visibleColumn) const {
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return {};
    const int column = logicalColumn(visibleColumn);
    return column < 0 ? QString() : displayText(m_model->index(row, column));
}

QString DataGrid::footerText(int visibleColumn) const {
    return footerTextForColumn(logicalColumn(visibleColumn));
}

int DataGrid::visibleColumnForHeading(const QString &heading) const {
    for (int v = 0;; ++v) {
        const int column = logicalColumn(v);
        if (column < 0)
            return -1;
        if (m_model->headerData(column, Qt::Horizontal).toString() == heading)
            return v;
    }
}

QModelIndex DataGrid::indexAt(int row, int visibleColumn) const {
    const int column = logicalColumn(visibleColumn);
    if (!m_model || column < 0)
        return {};
    return m_model->index(row, column);
}

QRect DataGrid::visualCellRect(int row, int visibleColumn) const {
    const QModelIndex index = indexAt(row, visibleColumn);
    return index.isValid() ? m_view->visualRect(index) : QRect();
}
