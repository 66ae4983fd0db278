// The class's mistakes as bars: the picture window/class_layout.h makes of the totals, painted
// as it is. A screen reader is told the chart's label as its name and what it shows as its
// description.
#pragma once

#include "window/class_layout.h"

#include <QWidget>

class QPainter;

namespace velmorand {

// The picture with its top-left corner at the painter's origin, `scale` device units to a
// picture's pixel.
void PaintChart(QPainter& painter, const ChartPicture& picture, double scale);

class ClassChart : public QWidget {
public:
    explicit ClassChart(QWidget* parent = nullptr);

    void setTotals(const JournalTotals& totals);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JournalTotals totals_{};
};

} // namespace velmorand
