#include "Report.h"

#include "ReportFont.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>

namespace korvane {

namespace {

// Pages are laid out directly with the painter: every block becomes one or more
// chunks that never split (a paragraph, a table row, a figure with its caption), and
// the chunks are dealt out to pages. A table that goes on to the next page repeats
// its header there; a heading stays with what follows it.

struct Fonts {
    QFont title = ReportFont(16, true);
    QFont heading = ReportFont(12.5, true);
    QFont body = ReportFont(10);
    QFont caption = ReportFont(9.5, true);
    QFont table = ReportFont(9);
    QFont tableHeader = ReportFont(9, true);
    QFont compactTable = ReportFont(7.5);
    QFont compactHeader = ReportFont(7.5, true);
    QFont margin = ReportFont(8);
};

struct Chunk {
    double height = 0;
    double spaceAfter = 0;
    bool keepWithNext = false;
    const Chunk* repeatOnNewPage = nullptr; // a table's header row
    double minHeight = 0; // a figure may shrink to this to stay on a page; 0: fixed size
    // Paints the chunk at `top` in the height it was given (its own unless it shrank).
    std::function<void(QPainter&, double top, double height)> paint;
};

class PageLayout {
public:
    PageLayout(QPaintDevice* device, const QRectF& body)
        : device_(device), body_(body), mm_(device->logicalDpiY() / 25.4) {}

    double mm() const { return mm_; }

    // The height of `text` set in `font` across `width`, wrapped at spaces and between
    // Chinese characters.
    double TextHeight(const QFont& font, const QString& text, double width) const {
        const QFontMetricsF metrics(font, device_);
        return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
    }
    double TextWidth(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, device_).horizontalAdvance(text);
    }

    void Title(const QString& text, const QFont& font) {
        const double h = TextHeight(font, text, body_.width());
        Add({h, 5 * mm_, false, nullptr, 0, [=, this](QPainter& p, double top, double) {
                 p.setFont(font);
                 p.setPen(Qt::black);
                 p.drawText(QRectF(body_.left(), top, body_.width(), h),
                            Qt::AlignHCenter | Qt::TextWordWrap, text);
             }});
    }

    void Heading(const QString& text, const QFont& font) {
        const double h = TextHeight(font, text, body_.width()) + 1.2 * mm_;
        if (!chunks_.empty())
            chunks_.back()->spaceAfter = std::max(chunks_.back()->spaceAfter, 4 * mm_);
        Add({h, 2 * mm_, true, nullptr, 0, [=, this](QPainter& p, double top, double) {
                 p.setFont(font);
                 p.setPen(Qt::black);
                 p.drawText(QRectF(body_.left(), top, body_.width(), h), Qt::TextWordWrap, text);
                 p.setPen(QPen(QColor(120, 120, 120), 0.25 * mm_));
                 p.drawLine(QPointF(body_.left(), top + h - 0.3 * mm_),
                            QPointF(body_.right(), top + h - 0.3 * mm_));
             }});
    }

    void Paragraph(const QString& text, const QFont& font, bool keepWithNext = false) {
        const double h = TextHeight(font, text, body_.width());
        Add({h, 2 * mm_, keepWithNext, nullptr, 0, [=, this](QPainter& p, double top, double) {
                 p.setFont(font);
                 p.setPen(Qt::black);
                 p.drawText(QRectF(body_.left(), top, body_.width(), h), Qt::TextWordWrap, text);
             }});
    }

    void Table(const ReportTable& table, const Fonts& fonts) {
        if (!table.caption.isEmpty())
            Paragraph(table.caption, fonts.caption, true);
        const QFont& cellFont = table.compact ? fonts.compactTable : fonts.table;
        const QFont& headerFont = table.compact ? fonts.compactHeader : fonts.tableHeader;
        const std::vector<double> widths = ColumnWidths(table, cellFont, headerFont);
        const Chunk* header = nullptr;
        if (!table.header.isEmpty()) {
            header = Row(table.header, widths, headerFont, true, nullptr);
        }
        for (const QStringList& row : table.rows)
            Row(row, widths, cellFont, false, header);
        if (!chunks_.empty())
            chunks_.back()->spaceAfter = 4 * mm_;
    }

    void Figure(const ReportFigure& figure, const Fonts& fonts) {
        const double aspect = FigureAspect(figure.figure);
        const double captionH = TextHeight(fonts.caption, figure.caption, body_.width());
        // As wide as the text, unless the page is too short for the shape.
        // Drawings leave room for the text around them; the charts may take more.
        const double share = std::holds_alternative<DepthChartPair>(figure.figure) ? 0.8 : 0.6;
        const double most = body_.height() * share - captionH - 3 * mm_;
        const double width = std::min(body_.width(), most / aspect);
        const double h = width * aspect;
        const FigureData data = figure.figure;
        const QString caption = figure.caption;
        const QFont captionFont = fonts.caption;
        const double fixed = 1.5 * mm_ + captionH;
        Add({h + fixed, 4 * mm_, false, nullptr, 0.7 * h + fixed,
             [=, this](QPainter& p, double top, double height) {
                 const double drawnH = height - fixed, drawnW = drawnH / aspect;
                 const QRectF rect(body_.left() + (body_.width() - drawnW) / 2, top, drawnW,
                                   drawnH);
                 PaintFigure(p, rect, data);
                 p.setFont(captionFont);
                 p.setPen(Qt::black);
                 p.drawText(QRectF(body_.left(), top + drawnH + 1.5 * mm_, body_.width(), captionH),
                            Qt::AlignHCenter | Qt::TextWordWrap, caption);
             }});
    }

    struct Placed {
        const Chunk* chunk;
        double top;
        double height;
    };

    // Deals the chunks out to pages. A figure that does not fit the rest of a page
    // shrinks to fit when it can keep most of its size.
    std::vector<std::vector<Placed>> Paginate() const {
        std::vector<std::vector<Placed>> pages(1);
        double y = body_.top();
        auto smallest = [](const Chunk& c) { return c.minHeight > 0 ? c.minHeight : c.height; };
        for (std::size_t i = 0; i < chunks_.size(); ++i) {
            const Chunk& c = *chunks_[i];
            double need = smallest(c);
            // A heading or caption goes with the first chunk of what it introduces.
            for (std::size_t k = i; k + 1 < chunks_.size() && chunks_[k]->keepWithNext; ++k)
                need += chunks_[k]->spaceAfter + smallest(*chunks_[k + 1]);
            if (!pages.back().empty() && y + need > body_.bottom() + 0.01) {
                pages.emplace_back();
                y = body_.top();
                if (c.repeatOnNewPage) {
                    pages.back().push_back({c.repeatOnNewPage, y, c.repeatOnNewPage->height});
                    y += c.repeatOnNewPage->height;
                }
            }
            const double height =
                c.minHeight > 0 ? std::max(c.minHeight, std::min(c.height, body_.bottom() - y))
                                : c.height;
            pages.back().push_back({&c, y, height});
            y += height + c.spaceAfter;
        }
        return pages;
    }

private:
    void Add(Chunk chunk) { chunks_.push_back(std::make_unique<Chunk>(std::move(chunk))); }

    std::vector<double> ColumnWidths(const ReportTable& table, const QFont& cellFont,
                                     const QFont& headerFont) const {
        int columns = static_cast<int>(table.header.size());
        for (const QStringList& row : table.rows)
            columns = std::max(columns, static_cast<int>(row.size()));
        const double pad = 2 * CellPadding();
        std::vector<double> natural(columns, (table.compact ? 5 : 8) * mm_);
        auto widen = [&](const QStringList& row, const QFont& font) {
            for (int c = 0; c < columns && c < row.size(); ++c)
                natural[c] = std::max(natural[c], TextWidth(font, row[c]) + pad + 0.5 * mm_);
        };
        widen(table.header, headerFont);
        for (const QStringList& row : table.rows)
            widen(row, cellFont);
        // Columns narrower than the cap keep their width; the cap is chosen so that
        // all fit, and what is left over is shared out.
        double total = std::accumulate(natural.begin(), natural.end(), 0.0);
        std::vector<double> widths = natural;
        if (total > body_.width()) {
            double lo = 0, hi = *std::max_element(natural.begin(), natural.end());
            for (int k = 0; k < 50; ++k) {
                const double cap = (lo + hi) / 2;
                double sum = 0;
                for (double w : natural)
                    sum += std::min(w, cap);
                (sum > body_.width() ? hi : lo) = cap;
            }
            for (double& w : widths)
                w = std::min(w, lo);
        }
        total = std::accumulate(widths.begin(), widths.end(), 0.0);
        if (!(total > 0))
            return widths;
        for (double& w : widths)
            w += (body_.width() - total) * w / total;
        return widths;
    }

    double CellPadding() const { return 1.3 * mm_; }

    const Chunk* Row(const QStringList& cells, const std::vector<double>& widths, const QFont& font,
                     bool header, const Chunk* repeat) {
        const double pad = CellPadding(), vpad = 0.8 * mm_;
        double h = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString text = static_cast<int>(c) < cells.size() ? cells[c] : QString();
            h = std::max(h, TextHeight(font, text, widths[c] - 2 * pad));
        }
        h += 2 * vpad;
        Add({h, 0, header, repeat, 0, [=, this](QPainter& p, double top, double) {
                 double x = body_.left();
                 p.setFont(font);
                 for (std::size_t c = 0; c < widths.size(); ++c) {
                     const QRectF cell(x, top, widths[c], h);
                     p.setPen(QPen(QColor(90, 90, 90), 0.15 * mm_));
                     p.setBrush(header ? QColor(228, 232, 238) : QColor(Qt::white));
                     p.drawRect(cell);
                     p.setPen(Qt::black);
                     const QString text = static_cast<int>(c) < cells.size() ? cells[c] : QString();
                     p.drawText(cell.adjusted(pad, vpad, -pad, -vpad),
                                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
                     x += widths[c];
                 }
             }});
        return chunks_.back().get();
    }

    QPaintDevice* device_;
    QRectF body_;
    double mm_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
};

QString OrDash(const QString& text) {
    return text.isEmpty() ? QStringLiteral("—") : text;
}

void PaintMargins(QPainter& p, const ReportContent& r, const QRectF& page, double mm,
                  const QFont& font, int number, int count) {
    const QFontMetricsF metrics(font, p.device());
    const double line = metrics.height();
    p.save();
    p.setFont(font);
    p.setPen(QColor(60, 60, 60));
    const QRectF head(page.left(), page.top(), page.width(), line);
    const QString program = r.meta.program + QLatin1Char(' ') + r.meta.version;
    p.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, program.trimmed());
    const QString title = metrics.elidedText(r.title, Qt::ElideRight, page.width() * 0.55);
    p.drawText(head, Qt::AlignHCenter | Qt::AlignVCenter, title);
    p.drawText(head, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("日期：") + OrDash(r.meta.date));
    p.setPen(QPen(QColor(120, 120, 120), 0.2 * mm));
    p.drawLine(QPointF(page.left(), head.bottom() + 1 * mm),
               QPointF(page.right(), head.bottom() + 1 * mm));
    const QRectF foot(page.left(), page.bottom() - line, page.width(), line);
    p.drawLine(QPointF(page.left(), foot.top() - 1 * mm),
               QPointF(page.right(), foot.top() - 1 * mm));
    p.setPen(QColor(60, 60, 60));
    p.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("项目：%1　　计算：%2")
                   .arg(OrDash(r.meta.project), OrDash(r.meta.engineer)));
    p.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("第 %1 页 共 %2 页").arg(number).arg(count));
    p.restore();
}

ReportTable TitleBlock(const ReportMeta& meta) {
    ReportTable t; // no header row: two columns, name and value
    auto row = [&t](const QString& name, const QString& value) {
        if (!value.isEmpty())
            t.rows.push_back({name, value});
    };
    row(QStringLiteral("工程名称"), meta.project);
    row(QStringLiteral("计算人"), meta.engineer);
    row(QStringLiteral("计算日期"), meta.date);
    row(QStringLiteral("计算程序"), (meta.program + QLatin1Char(' ') + meta.version).trimmed());
    row(QStringLiteral("算例文件"), meta.caseFile);
    return t;
}

} // namespace

int PaintReport(const ReportContent& report, QPagedPaintDevice* device) {
    if (!device)
        return 0;
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    const Fonts fonts;
    const double mm = device->logicalDpiY() / 25.4;
    const QRectF page(0, 0, device->width(), device->height());
    const double marginLine = QFontMetricsF(fonts.margin, device).height();
    const QRectF body = page.adjusted(0, marginLine + 5 * mm, 0, -(marginLine + 5 * mm));

    PageLayout layout(device, body);
    layout.Title(report.title, fonts.title);
    layout.Table(TitleBlock(report.meta), fonts);
    for (const ReportSection& section : report.sections) {
        layout.Heading(section.title, fonts.heading);
        for (const ReportBlock& b : section.blocks) {
            if (const auto* p = std::get_if<ReportParagraph>(&b))
                layout.Paragraph(p->text, fonts.body);
            else if (const auto* t = std::get_if<ReportTable>(&b))
                layout.Table(*t, fonts);
            else if (const auto* f = std::get_if<ReportFigure>(&b))
                layout.Figure(*f, fonts);
        }
    }

    const auto pages = layout.Paginate();
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            device->newPage();
        PaintMargins(painter, report, page, mm, fonts.margin, i + 1, count);
        for (const auto& placed : pages[i])
            placed.chunk->paint(painter, placed.top, placed.height);
    }
    painter.end();
    return count;
}

Problem WriteReportPdf(const ReportContent& report, const QString& path) {
    if (const Problem refused = NotARegularTarget(path, path, QStringLiteral("无法写入计算书文件")))
        return refused;
    // Painted into memory first: the PDF writer does not say when a write fails, so the
    // file is written whole, and checked, once the document is complete.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 14, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(report.title);
        writer.setCreator((report.meta.program + QLatin1Char(' ') + report.meta.version).trimmed());
        pages = PaintReport(report, &writer);
    }
    if (pages == 0)
        return Said(QStringLiteral("无法生成计算书“%1”：PDF 绘制失败。").arg(path));
    return WriteFileWhole(path, buffer.data(), path, QStringLiteral("无法写入计算书文件"));
}

} // namespace korvane
