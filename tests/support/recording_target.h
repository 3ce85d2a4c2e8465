#pragma once
// A drawing surface for the tests: pages of a fixed number of lines (or one
// endless page) that record every line with its colour, so a test reads
// what the printer or the picture would show.

#include "forms/report/drawing_target.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

namespace akuenza::test {

class RecordingTarget final : public PagedTarget {
public:
    struct Line {
        QString text;
        QColor colour;
        bool operator==(const Line&) const = default;
    };
    using Page = std::vector<Line>;

    explicit RecordingTarget(int linesPerPage = 0) : PagedTarget(linesPerPage) {}

    const std::vector<Page>& pages() const { return pages_; }
    // Every line of every page, in order.
    std::vector<Line> lines() const
    {
        std::vector<Line> all;
        for (const Page& p : pages_)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }
    int requestedBreaks() const { return requested_; }
    int fullPageBreaks() const { return full_; }
    int clears() const { return clears_; }

    void setTextColour(const QColor& colour) override { colour_ = colour; }
    void clear() override
    {
        ++clears_;
        pages_.assign(1, {});
    }

protected:
    void startPage(PageBreak why) override
    {
        (why == PageBreak::Requested ? requested_ : full_) += 1;
        pages_.emplace_back();
    }
    void drawLine(int row, const QString& text) override
    {
        EXPECT_EQ(static_cast<std::size_t>(row), pages_.back().size());
        pages_.back().push_back({text, colour_});
    }

private:
    std::vector<Page> pages_ = std::vector<Page>(1);
    QColor colour_ = kTextColour;
    int requested_ = 0;
    int full_ = 0;
    int clears_ = 0;
};

// The texts of recorded lines.
inline QStringList texts(const std::vector<RecordingTarget::Line>& lines)
{
    QStringList out;
    for (const auto& line : lines)
        out << line.text;
    return out;
}

} // namespace akuenza::test
