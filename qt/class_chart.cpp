#include "class_chart.h"

#include "widget_helpers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <cmath>

namespace velmorand {

namespace {

QRectF Scaled(const PixelRect& rect, double scale) {
    return {rect.Left * scale, rect.Top * scale, rect.Width * scale, rect.Height * scale};
}

// A chart to a screen reader, read by its name and description.
QAccessibleInterface* ChartFactory(const QString&, QObject* object) {
    if (auto* chart = dynamic_cast<ClassChart*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    return nullptr;
}

} // namespace

void PaintChart(QPainter& painter, const ChartPicture& picture, double scale) {
    painter.save();
    painter.fillRect(QRectF(0, 0, picture.Width * scale, picture.Height * scale),
                     ColourOf(picture.Background));
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(picture.TextPixels * scale))));
    painter.setFont(font);
    painter.setPen(ColourOf(picture.TextColour));
    for (const ChartRow& row : picture.Rows) {
        const QRectF name = Scaled(row.NameBox, scale);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(QString::fromStdString(row.Name),
                                                          Qt::ElideRight, int(name.width())));
        if (row.Bar.Width > 0)
            painter.fillRect(Scaled(row.Bar, scale), ColourOf(picture.BarColour));
        painter.drawText(Scaled(row.CountBox, scale), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(row.Count));
    }
    painter.restore();
}

ClassChart::ClassChart(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(ChartFactory), true);
    (void)installed;
    setFocusPolicy(Qt::TabFocus); // a screen reader's user reaches it with Tab
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setTotals({});
}

void ClassChart::setTotals(const JournalTotals& totals) {
    totals_ = totals;
    const QString said = QString::fromStdString(ChartText(totals));
    if (accessibleDescription() != said)
        setAccessibleDescription(said);
    update();
}

int ClassChart::heightForWidth(int width) const { return ChartPictureOf(totals_, width).Height; }

QSize ClassChart::sizeHint() const {
    const ChartPicture picture = ChartPictureOf(totals_, 0);
    return {picture.Width, picture.Height};
}

void ClassChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(painter, ChartPictureOf(totals_, width()), 1);
}

} // namespace velmorand
