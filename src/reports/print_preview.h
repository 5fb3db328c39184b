#pragma once

#include "core/app_context.h"
#include "printout/print_settings.h"

#include <QWidget>
#include <functional>
#include <memory>

class PageCanvas;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TablePrintout;

// The print preview, captioned "Preview": one page of the printout at a time, with
// printing, print setup, zoom, paging, stop and close, and a status line with the page
// shown and the page count. Pages are drawn when shown.
class PrintPreviewWindow : public QWidget {
    Q_OBJECT
public:
    // Lays the printout out anew after a change of settings.
    using Layout = std::function<std::unique_ptr<TablePrintout>(const PrintSettings &)>;

    PrintPreviewWindow(const AppContext &context, Layout layout, const PrintSettings &settings,
                       QWidget *parent = nullptr);
    ~PrintPreviewWindow() override;

    int currentPage() const { return m_page; }
    const TablePrintout &printout() const { return *m_printout; }

    // The zoom choices, in the order offered.
    static QStringList zoomChoices();

signals:
    // The user accepted new print settings.
    void settingsChanged(const PrintSettings &settings);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPage(int page);
    void applyZoom();
    void print();
    void openSetup();
    void exportPdf();
    // Runs a job page by page; the stop button ends it.
    void runBusy(const std::function<void(const std::function<bool(int)> &)> &job,
                 const QString &doing);
    void showStatus();

    AppContext m_context;
    Layout m_layout;
    PrintSettings m_settings;
    std::unique_ptr<TablePrintout> m_printout;
    int m_page = 1;
    bool m_busy = false;
    bool m_stopAsked = false;

    QScrollArea *m_scroll;
    PageCanvas *m_canvas;
    QComboBox *m_zoom;
    QLabel *m_status;
    QList<QPushButton *> m_actions; // every button but stop, off while a job runs
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_stop;
};
