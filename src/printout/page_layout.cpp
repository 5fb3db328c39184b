#include "printout/page_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Whole rows in a height, at least one: a page that cannot hold a row still prints
// one, rather than paging for ever.
int rowsIn(double height, double row) {
    if (row <= 0)
        return 1;
    return std::max(1, int(std::floor(height / row + 1e-9)));
}

} // namespace

PageLayout::PageLayout(const PrintedParts &parts, const GridShape &grid, int rowCount)
    : m_parts(parts), m_widths(grid.widths), m_rowCount(std::max(0, rowCount)) {
    m_width = std::max(1.0, parts.paper.width() - parts.margins.left() - parts.margins.right());
    m_height = std::max(1.0, parts.paper.height() - parts.margins.top() - parts.margins.bottom());

    const double total = std::accumulate(m_widths.cbegin(), m_widths.cend(), 0.0);
    if (grid.fitToWidth && total > 0) {
        if (grid.fitMode == FitMode::ScaleGrid)
            m_scale = m_width / total;
        else
            for (double &w : m_widths)
                w *= m_width / total;
        m_bands = {{0, int(m_widths.size())}};
    } else {
        // As many whole columns as fit; a column wider than the page has one to itself.
        Band band;
        double used = 0;
        for (int c = 0; c < m_widths.size(); ++c) {
            if (band.columns > 0 && used + m_widths[c] > m_width + 1e-9) {
                m_bands << band;
                band = {c, 0};
                used = 0;
            }
            ++band.columns;
            used += m_widths[c];
        }
        m_bands << band;
    }

    const double row = parts.row * m_scale;
    const double heading = parts.heading * m_scale;
    const double body = m_height - parts.header - parts.footer - heading;
    m_rowsFirst = rowsIn(body - parts.title, row);
    m_rowsOther = rowsIn(body, row);
    m_rowBlocks = m_rowCount <= m_rowsFirst
                      ? 1
                      : 1 + int((qint64(m_rowCount) - m_rowsFirst + m_rowsOther - 1) / m_rowsOther);
}

PageLayout::Page PageLayout::page(int number) const {
    const int index = std::clamp(number, 1, pageCount()) - 1;
    const int bandCount = int(m_bands.size());
    const int block = index / bandCount;
    Page p;
    p.band = index % bandCount;
    p.title = block == 0;
    p.firstRow = block == 0 ? 0 : m_rowsFirst + (block - 1) * m_rowsOther;
    const int room = block == 0 ? m_rowsFirst : m_rowsOther;
    p.rows = std::clamp(m_rowCount - p.firstRow, 0, room);
    return p;
}

double PageLayout::gridTop(const Page &page) const {
    return m_parts.header + (page.title ? m_parts.title : 0);
}

double PageLayout::gridBottom() const {
    return m_height - m_parts.footer;
}
