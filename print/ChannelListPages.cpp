#include "ChannelListPages.h"

#include "CoreText.h"
#include "PagePlan.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <functional>

namespace {

// In rows of the table: the height of a section's title.
constexpr int kTitleRows = 2;
constexpr qreal kBodyPoints = 9;
constexpr qreal kTitlePoints = 12;

struct Column {
    QString heading;
    Qt::Alignment align;
    std::function<QString(const PrintedChannel&)> text;
    bool elastic = false;  // takes the width the others leave
    int width = 0;
};

QString Mark(bool on)
{
    return on ? QString(QChar(0x2713)) : QString();
}

std::vector<Column> ListColumns()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment center = Qt::AlignHCenter | Qt::AlignVCenter;
    return {
        {CoreText("No"), right, [](const PrintedChannel& c) { return QString::number(c.number); }},
        {CoreText("Name"), left, [](const PrintedChannel& c) { return c.name; }},
        {ChannelListPages::tr("Satellite"), left, [](const PrintedChannel& c) { return c.satellite; }},
        {ChannelListPages::tr("Frequency"), left, [](const PrintedChannel& c) { return c.transponder; }},
        {CoreText("Scramble"), left, [](const PrintedChannel& c) { return c.scramble; }},
        {ChannelListPages::tr("Favourite groups"), left, [](const PrintedChannel& c) { return c.groups; },
         true},
        {CoreText("Lock"), center, [](const PrintedChannel& c) { return Mark(c.locked); }},
        {CoreText("Skip"), center, [](const PrintedChannel& c) { return Mark(c.skipped); }},
    };
}

// Sizes in device units for the device's resolution.
struct Metrics {
    explicit Metrics(QPagedPaintDevice& device)
        : body(Font(kBodyPoints, false)), bold(Font(kBodyPoints, true)), title(Font(kTitlePoints, true)),
          width(device.width()), height(device.height())
    {
        const QFontMetrics metrics(body, &device);
        row = metrics.height() * 13 / 10;
        padding = metrics.horizontalAdvance(QLatin1Char(' '));
        header = row * 2;
        footer = row * 2;
        rule = std::max(1, device.logicalDpiY() / 150);
    }

    static QFont Font(qreal points, bool isBold)
    {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        font.setBold(isBold);
        return font;
    }

    int RowsPerPage() const { return std::max(kTitleRows + 2, (height - header - footer) / row); }

    QFont body, bold, title;
    int width, height;
    int row, padding, header, footer, rule;
};

// Each column as wide as its widest cell; the elastic one takes what is
// left of the page, and when even that does not fit, every column gives way.
void FitColumns(std::vector<Column>& columns, const std::vector<PrintSection>& sections, const Metrics& m,
                QPainter& painter)
{
    // The painter's own measures: those of a font on the device alone differ
    // from what a PDF writer draws.
    painter.setFont(m.body);
    const QFontMetrics body = painter.fontMetrics();
    painter.setFont(m.bold);
    const QFontMetrics bold = painter.fontMetrics();
    int total = 0;
    for (Column& column : columns) {
        int widest = bold.horizontalAdvance(column.heading);
        for (const PrintSection& section : sections) {
            for (const PrintedChannel& channel : section.channels)
                widest = std::max(widest, body.horizontalAdvance(column.text(channel)));
        }
        // One unit more, as the widths are rounded and eliding is not.
        column.width = widest + 2 * m.padding + 1;
        total += column.width;
    }
    const auto elastic =
        std::find_if(columns.begin(), columns.end(), [](const Column& c) { return c.elastic; });
    const int others = total - elastic->width;
    elastic->width = std::max(m.width - others, bold.horizontalAdvance(elastic->heading) + 2 * m.padding);
    total = others + elastic->width;
    if (total <= m.width)
        return;
    for (Column& column : columns)
        column.width = int(qint64(column.width) * m.width / total);
}

class PagePainter {
public:
    PagePainter(QPainter& painter, const Metrics& metrics, const std::vector<Column>& columns)
        : m_painter(painter), m_m(metrics), m_columns(columns)
    {
    }

    void Frame(const QString& fileName, const QString& date, int page, int pages)
    {
        m_painter.setFont(m_m.bold);
        m_painter.drawText(QRect(0, 0, m_m.width, m_m.row), Qt::AlignLeft | Qt::AlignVCenter, fileName);
        m_painter.setFont(m_m.body);
        m_painter.drawText(QRect(0, 0, m_m.width, m_m.row), Qt::AlignRight | Qt::AlignVCenter, date);
        Rule(m_m.row + m_m.row / 4);
        m_painter.drawText(QRect(0, m_m.height - m_m.row, m_m.width, m_m.row), Qt::AlignCenter,
                           ChannelListPages::tr("Page %1 of %2").arg(page).arg(pages));
        m_y = m_m.header;
    }

    void Title(const QString& title)
    {
        m_painter.setFont(m_m.title);
        m_painter.drawText(QRect(0, m_y, m_m.width, m_m.row * kTitleRows), Qt::AlignLeft | Qt::AlignVCenter,
                           title);
        m_y += m_m.row * kTitleRows;
    }

    void Headings()
    {
        m_painter.setFont(m_m.bold);
        int x = 0;
        for (const Column& column : m_columns) {
            Cell(x, column, column.heading);
            x += column.width;
        }
        m_y += m_m.row;
        Rule(m_y);
    }

    void Row(const PrintedChannel& channel, bool shaded)
    {
        if (shaded)
            m_painter.fillRect(QRect(0, m_y, m_m.width, m_m.row), QColor(236, 236, 236));
        m_painter.setFont(m_m.body);
        int x = 0;
        for (const Column& column : m_columns) {
            Cell(x, column, column.text(channel));
            x += column.width;
        }
        m_y += m_m.row;
    }

private:
    void Cell(int x, const Column& column, const QString& text)
    {
        const QRect cell(x + m_m.padding, m_y, column.width - 2 * m_m.padding, m_m.row);
        m_painter.drawText(cell, int(column.align),
                           m_painter.fontMetrics().elidedText(text, Qt::ElideRight, cell.width()));
    }

    void Rule(int y) { m_painter.fillRect(QRect(0, y, m_m.width, m_m.rule), Qt::black); }

    QPainter& m_painter;
    const Metrics& m_m;
    const std::vector<Column>& m_columns;
    int m_y = 0;
};

}  // namespace

ChannelListPages::ChannelListPages(std::vector<PrintSection> sections, QString fileName, QDate date)
    : m_sections(std::move(sections)), m_fileName(std::move(fileName)), m_date(date)
{
}

int ChannelListPages::Paint(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Metrics metrics(device);
    std::vector<Column> columns = ListColumns();
    FitColumns(columns, m_sections, metrics, painter);
    std::vector<int> sizes;
    for (const PrintSection& section : m_sections)
        sizes.push_back(int(section.channels.size()));
    const PagePlan plan = PlanPages(sizes, metrics.RowsPerPage(), kTitleRows);
    const QString date = QLocale().toString(m_date, QLocale::ShortFormat);

    PagePainter page(painter, metrics, columns);
    for (std::size_t p = 0; p < plan.size(); ++p) {
        if (p > 0)
            device.newPage();
        page.Frame(m_fileName, date, int(p) + 1, int(plan.size()));
        if (m_sections.empty())
            page.Title(tr("No channels"));
        for (const PageBlock& block : plan[p]) {
            const PrintSection& section = m_sections[std::size_t(block.section)];
            if (block.startsSection)
                page.Title(section.title);
            page.Headings();
            for (int r = block.first; r < block.first + block.count; ++r)
                page.Row(section.channels[std::size_t(r)], r % 2 == 1);
        }
    }
    painter.end();
    return int(plan.size());
}
