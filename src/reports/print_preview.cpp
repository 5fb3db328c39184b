#include "reports/print_preview.h"

#include "core/captions.h"
#include "core/error_policy.h"
#include "core/printing.h"
#include "core/services.h"
#include "printout/table_printout.h"
#include "reports/print_setup_dialog.h"
#include "reports/statement_output.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

// One page of the printout on a grey desk, at the zoom chosen. The desk fills at least
// the room it is given and keeps the page in its middle.
class PageCanvas : public QWidget {
public:
    static constexpr int Border = 16;

    using QWidget::QWidget;

    void display(const TablePrintout *printout, int page, double zoom, const QSize &room) {
        m_printout = printout;
        m_page = page;
        m_zoom = zoom;
        resize(sizeHint().expandedTo(room));
        update();
    }
    QSize sizeHint() const override {
        if (!m_printout)
            return {};
        const QSizeF page = m_printout->pageSize() * m_zoom;
        return QSize(int(page.width()) + 2 * Border, int(page.height()) + 2 * Border);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        if (!m_printout)
            return;
        const QSizeF size = m_printout->pageSize() * m_zoom;
        const QPointF corner(std::max<double>(Border, (width() - size.width()) / 2),
                             std::max<double>(Border, (height() - size.height()) / 2));
        const QRectF sheet(corner, size);
        painter.fillRect(sheet.translated(4, 4), QColor(64, 64, 64));
        painter.fillRect(sheet, Qt::white);
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(m_zoom, m_zoom);
        m_printout->drawPage(painter, m_page);
    }

private:
    const TablePrintout *m_printout = nullptr;
    int m_page = 1;
    double m_zoom = 1;
};

namespace {
const QString PageWidth = QStringLiteral("页面宽度");
const QString WholePage = QStringLiteral("整页");
} // namespace

QStringList PrintPreviewWindow::zoomChoices() {
    return {QStringLiteral("500%"),
            QStringLiteral("200%"),
            QStringLiteral("150%"),
            QStringLiteral("100%"),
            QStringLiteral("75%"),
            QStringLiteral("50%"),
            QStringLiteral("25%"),
            QStringLiteral("10%"),
            PageWidth,
            WholePage};
}

PrintPreviewWindow::PrintPreviewWindow(const AppContext &context, Layout layout,
                                       const PrintSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_layout(std::move(layout)),
      m_settings(settings), m_printout(m_layout(settings)) {
    setObjectName(QStringLiteral("previewWindow"));
    setWindowTitle(QStringLiteral("Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    const auto button = [this](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    auto *print = button(QStringLiteral("打印(&P)"));
    auto *setup = button(QStringLiteral("打印设置"));
    auto *zoomLabel = new QLabel(QStringLiteral("缩放(&S)"), this);
    m_zoom = new QComboBox(this);
    m_zoom->setAccessibleName(QStringLiteral("缩放"));
    m_zoom->addItems(zoomChoices());
    m_zoom->setCurrentText(WholePage);
    m_zoom->setFocusPolicy(Qt::TabFocus);
    zoomLabel->setBuddy(m_zoom);
    m_previous = button(QStringLiteral("上一页"));
    m_next = button(QStringLiteral("下一页"));
    m_stop = button(QStringLiteral("停止(&T)"));
    m_stop->setEnabled(false);
    auto *closeButton = button(QStringLiteral("关闭(&C)"));
    auto *pdf = button(QStringLiteral("导出PDF"));
    m_actions = {print, setup, m_previous, m_next, closeButton, pdf};

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    for (QWidget *w : std::initializer_list<QWidget *>{print, setup, zoomLabel, m_zoom, m_previous,
                                                       m_next, m_stop, closeButton, pdf})
        bar->addWidget(w);
    bar->addStretch();

    m_canvas = new PageCanvas;
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    // Page Up and Page Down turn the pages; the scroll area would take them to scroll.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->viewport()->installEventFilter(this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setContentsMargins(6, 2, 6, 2);

    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addLayout(bar);
    layoutBox->addWidget(m_scroll, 1);
    layoutBox->addWidget(m_status);

    Prompts &prompts = m_context.prompts;
    ErrorPolicy::connect(print, &QPushButton::clicked, this, prompts, &PrintPreviewWindow::print);
    ErrorPolicy::connect(setup, &QPushButton::clicked, this, prompts,
                         &PrintPreviewWindow::openSetup);
    ErrorPolicy::connect(pdf, &QPushButton::clicked, this, prompts, &PrintPreviewWindow::exportPdf);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &PrintPreviewWindow::applyZoom);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_stopAsked = true; });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    resize(900, 700);
    showPage(1);
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

void PrintPreviewWindow::showPage(int page) {
    m_page = std::clamp(page, 1, m_printout->pageCount());
    m_previous->setEnabled(!m_busy && m_page > 1);
    m_next->setEnabled(!m_busy && m_page < m_printout->pageCount());
    applyZoom();
    showStatus();
}

void PrintPreviewWindow::showStatus() {
    m_status->setText(m_printout->pageNumberText(m_page));
}

void PrintPreviewWindow::applyZoom() {
    const QString choice = m_zoom->currentText();
    const QSizeF page = m_printout->pageSize();
    const QSize room = m_scroll->viewport()->size() - QSize(2, 2) * PageCanvas::Border;
    double zoom = 1;
    if (choice == PageWidth)
        zoom = room.width() / page.width();
    else if (choice == WholePage)
        zoom = std::min(room.width() / page.width(), room.height() / page.height());
    else
        zoom = QStringView(choice).chopped(1).toDouble() / 100;
    m_canvas->display(m_printout.get(), m_page, std::max(zoom, 0.05), m_scroll->viewport()->size());
}

bool PrintPreviewWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        break;
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        break;
    case Qt::Key_Home:
        showPage(1);
        break;
    case Qt::Key_End:
        showPage(m_printout->pageCount());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PrintPreviewWindow::closeEvent(QCloseEvent *event) {
    // A job in progress is stopped first; the window closes once it has ended.
    if (m_busy) {
        m_stopAsked = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void PrintPreviewWindow::runBusy(const std::function<void(const std::function<bool(int)> &)> &job,
                                 const QString &doing) {
    m_busy = true;
    m_stopAsked = false;
    for (QPushButton *b : std::as_const(m_actions))
        b->setEnabled(false);
    m_zoom->setEnabled(false);
    m_stop->setEnabled(true);
    const int count = m_printout->pageCount();
    struct Restore {
        PrintPreviewWindow *w;
        ~Restore() {
            w->m_busy = false;
            for (QPushButton *b : std::as_const(w->m_actions))
                b->setEnabled(true);
            w->m_zoom->setEnabled(true);
            w->m_stop->setEnabled(false);
            w->showPage(w->m_page);
        }
    } restore{this};
    job([this, count, doing](int page) {
        m_status->setText(
            QStringLiteral("%1：第 %2 页 / 共 %3 页").arg(doing).arg(page).arg(count));
        // The stop button is the only one a user can reach meanwhile.
        QCoreApplication::processEvents();
        return !m_stopAsked;
    });
}

void PrintPreviewWindow::print() {
    ErrorPolicy::withMessage(m_context.prompts, Captions::application(),
                             StatementOutput::printerMissingText(), [&] {
                                 auto result = PrintService::Result::Cancelled;
                                 runBusy(
                                     [&](const PrintService::Progress &progress) {
                                         result = m_context.printer.print(*m_printout, progress);
                                     },
                                     QStringLiteral("正在打印"));
                                 if (result == PrintService::Result::Failed)
                                     m_context.prompts.inform(Captions::application(),
                                                              StatementOutput::printerMissingText(),
                                                              Prompts::Icon::None);
                             });
}

void PrintPreviewWindow::openSetup() {
    auto *dialog = new PrintSetupDialog(m_settings, m_printout->font(), m_context.printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        ErrorPolicy::run(m_context.prompts, [&] {
            const PrintSettings chosen = dialog->settings();
            m_printout = m_layout(chosen);
            m_settings = chosen;
            emit settingsChanged(chosen);
            showPage(m_page);
        });
    });
    dialog->open();
}

void PrintPreviewWindow::exportPdf() {
    runBusy(
        [&](const PrintService::Progress &progress) {
            StatementOutput::exportPdf(m_context, *m_printout, progress);
        },
        QStringLiteral("正在导出"));
}
