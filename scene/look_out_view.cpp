// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#include "look_out_view.h"

#include "locale_text.h"
#include "twips.h"
#include "wave_strip.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// The ticks' length and the gap to their labels, in logical pixels at 100 %.
constexpr double kTickLength = 6.0;
constexpr double kLabelGap = 1.0;
// The resultant's arrowhead: its barbs' length and their angle to the shaft.
constexpr double kBarbLength = 9.0;
constexpr double kBarbAngle = 25.0 * std::numbers::pi / 180.0;
// Phasors shorter than this (logical pixels at 100 %) get no joint marks.
constexpr double kJointSpacing = 8.0;
// The far-field curve's width and dashes and the gap above it to its
// caption, in logical pixels at 100 %, and its two tones.
constexpr double kFarFieldWidth = 2.0;
constexpr double kFarFieldDash = 6.0;
constexpr double kFarFieldCaptionGap = 3.0;
const QColor kFarFieldLight(0xFF, 0xFF, 0xFF);
const QColor kFarFieldDark(0x00, 0x40, 0xD0);

QString signedWhole(int m)
{
    return m > 0 ? QStringLiteral("+") + wholeNumberQText(m) : wholeNumberQText(m);
}

QString whole(double value)
{
    return wholeNumberQText(std::llround(value));
}

QString degrees(double radians)
{
    return formatQNumber(radians * 180.0 / std::numbers::pi, "0.0");
}

} // namespace

QStringList lookOutLines(const RunLookOut &run, const LookOut &look, bool withFarField)
{
    QStringList lines;
    //: %2 names the frequency as the read-out beside the bar does, then the frequency itself.
    lines << QCoreApplication::translate("LookOut", "Slits: %1   Wavelengths per slit spacing: %2")
                 .arg(QString::fromStdString(run.slitCountText()), frequencyName(run.frequency()));
    //: A column of the screen line, by its x in twips.
    lines << QCoreApplication::translate("LookOut", "Column x = %1 twips").arg(whole(look.column));
    // The angle a textbook works with: a few tenths of a degree here, as the
    // screen lies 837000 twips away.
    //: The angle theta from the middle of the slits to the column, positive to the left.
    lines << QCoreApplication::translate("LookOut", "Angle from the slits: θ = %1°")
                 .arg(formatQNumber(look.angle * 180.0 / std::numbers::pi, "0.000"));
    if (look.pairs > 0) {
        const QString step = degrees(look.meanStep);
        const QString waves = formatQNumber(look.waves, "0.000");
        //: %1 in degrees, %2 in wavelengths (lambda) of path difference.
        lines << (look.pairs == 1 ? QCoreApplication::translate("LookOut", "Phase step: %1° = %2 λ")
                                  : QCoreApplication::translate("LookOut", "Mean phase step: %1° = %2 λ"))
                     .arg(step, waves);
    }
    if (look.pairs > 1)
        //: The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.
        lines << QCoreApplication::translate("LookOut", "Steps differ by up to ±%1° (finite distance)")
                     .arg(degrees(look.stepSpread));
    lines << QCoreApplication::translate("LookOut", "Intensity: %1 % of the run's largest")
                 .arg(formatQNumber(look.intensity * 100.0, "0.0"));
    // Only beside the curve it reads: without it, a number the class cannot see.
    if (withFarField)
        //: The textbook's intensity of the same slits seen from infinitely far, at this column.
        lines << QCoreApplication::translate("LookOut", "Far field: %1 % of its largest")
                     .arg(formatQNumber(look.farField * 100.0, "0.0"));
    if (look.nearest)
        //: The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.
        lines << QCoreApplication::translate("LookOut", "Nearest order m = %1 at x = %2, %3 twips away")
                     .arg(signedWhole(look.nearest->m), whole(look.nearest->column),
                          whole(std::abs(look.nearest->column - look.column)));
    return lines;
}

void drawLookOutChain(QPainter &painter, QRectF area, const LookOut &look, double longest, ChainColours colours,
                      double pixel)
{
    if (look.chain.empty() || !(longest > 0.0))
        return;
    const auto [left, right] = std::minmax_element(look.chain.begin(), look.chain.end(),
                                                   [](ChainPoint a, ChainPoint b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(look.chain.begin(), look.chain.end(),
                                                   [](ChainPoint a, ChainPoint b) { return a.y < b.y; });
    const double scale = std::min(area.width(), area.height()) / longest;
    const QPointF middle((left->x + right->x) / 2.0, (top->y + bottom->y) / 2.0);
    const QPointF centre = area.center();
    const auto place = [&](ChainPoint point) { return centre + (QPointF(point.x, point.y) - middle) * scale; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPolygonF chain;
    for (const ChainPoint &point : look.chain)
        chain << place(point);

    // The resultant first and wider, so that where the chain runs straight
    // along it, the chain still shows on top.
    const QPointF start = chain.constFirst();
    const QPointF end = chain.constLast();
    painter.setPen(QPen(colours.resultant, 3.0 * pixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(start, end);
    const QPointF shaft = end - start;
    const double length = std::hypot(shaft.x(), shaft.y());
    if (length > 2.0 * pixel) {
        // Barbs no longer than half the shaft, so a short resultant still
        // shows which way it points.
        const double barb = std::min(kBarbLength * pixel, length / 2.0);
        const double angle = std::atan2(shaft.y(), shaft.x());
        for (const double side : {-kBarbAngle, kBarbAngle})
            painter.drawLine(end, end - QPointF(std::cos(angle + side), std::sin(angle + side)) * barb);
    }

    painter.setPen(QPen(colours.chain, pixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(chain);
    // The joints, where one slit's phasor ends and the next begins, where
    // the phasors are long enough to tell them apart.
    if (chain.size() > 1 && QLineF(chain[0], chain[1]).length() >= kJointSpacing * pixel) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.chain);
        for (const QPointF &joint : chain)
            painter.drawRect(QRectF(joint - QPointF(pixel, pixel), QSizeF(2.0 * pixel, 2.0 * pixel)));
    }
    painter.restore();
}

QString orderLabel(int m)
{
    return m == 0 ? QStringLiteral("m = 0") : signedWhole(m);
}

int drawOrderMarks(QPainter &painter, const std::vector<Order> &orders, double zoom, const QFont &font, QColor ink,
                   QColor back)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double tick = kTickLength * zoom;
    const auto columnX = [zoom](const Order &order) { return order.column / kTwipsPerPixel * zoom; };

    painter.setPen(QPen(ink, std::max(1.0, std::round(zoom)), Qt::SolidLine, Qt::FlatCap));
    for (const Order &order : orders)
        painter.drawLine(QPointF(columnX(order), 0.0), QPointF(columnX(order), tick));

    std::vector<const Order *> byImportance;
    for (const Order &order : orders)
        byImportance.push_back(&order);
    std::stable_sort(byImportance.begin(), byImportance.end(),
                     [](const Order *a, const Order *b) { return std::abs(a->m) < std::abs(b->m); });
    std::vector<QRectF> taken;
    for (const Order *order : byImportance) {
        const QString text = orderLabel(order->m);
        const double width = metrics.horizontalAdvance(text);
        const QRectF box(columnX(*order) - width / 2.0 - zoom, tick + kLabelGap * zoom, width + 2.0 * zoom,
                         metrics.height());
        if (std::any_of(taken.begin(), taken.end(), [&box](const QRectF &other) { return other.intersects(box); }))
            continue;
        taken.push_back(box);
        painter.fillRect(box, back);
        painter.setPen(ink);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.restore();
    return static_cast<int>(taken.size());
}

int orderMarksDepth(double zoom, const QFont &font)
{
    return static_cast<int>(std::ceil((kTickLength + kLabelGap) * zoom + QFontMetricsF(font).height()));
}

QString farFieldCaption()
{
    //: Beside the far-field curve drawn over the profile.
    return QCoreApplication::translate("LookOut", "far field, scaled to the tallest bar");
}

QPolygonF farFieldCurve(const RunLookOut &run, double zoom, double width)
{
    const double tallest = run.tallestBar();
    const auto point = [&](double P) {
        return QPointF(P / kTwipsPerPixel * zoom,
                       (scene::kScreenY - run.farFieldAt(P) * tallest) / kTwipsPerPixel * zoom);
    };
    // One point a pixel, and the exact tops at the orders (where the phase
    // step is whole turns), which a pixel's sampling could step over.
    std::vector<double> columns;
    const double last = width / zoom * kTwipsPerPixel;
    for (double x = 0.0; x <= width; x += 1.0)
        columns.push_back(x / zoom * kTwipsPerPixel);
    for (const Order &order : run.orders())
        columns.push_back(order.column);
    columns.push_back(run.farFieldCentre());
    std::sort(columns.begin(), columns.end());
    QPolygonF curve;
    for (const double P : columns)
        if (P >= 0.0 && P <= last && std::isfinite(tallest))
            curve << point(P);
    return curve;
}

void drawFarFieldCurve(QPainter &painter, const QPolygonF &curve, double zoom, const QFont &font, const RunLookOut &run,
                       double right)
{
    if (curve.size() < 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Dashes of two tones, each the other's gap: the light ones show on the
    // profile's black, the dark ones on the grey, and in greyscale the line
    // is a dashed line on either. Cut into dashes here and drawn in device
    // pixels with one-pixel pens, side by side as thick as the line: the
    // painter's own dashing of a wide pen cost as much as the run's first
    // frames.
    const double ratio = painter.device()->devicePixelRatioF();
    const double dash = kFarFieldDash * zoom * ratio;
    const int thickness = std::max(1, static_cast<int>(std::lround(kFarFieldWidth * zoom * ratio)));
    std::array<QVector<QLineF>, 2> tones;
    // The dash the walk along the curve is in, counted, and how far into it:
    // a dash's number worked out again from the length walked could come
    // out one short at its very end, and the walk stood there for good.
    std::size_t walking = 0;
    double intoDash = 0.0;
    for (qsizetype i = 1; i < curve.size(); ++i) {
        QPointF from = curve[i - 1] * ratio;
        const QPointF to = curve[i] * ratio;
        double left = std::hypot(to.x() - from.x(), to.y() - from.y());
        while (left > 1e-9) {
            const double step = std::min(dash - intoDash, left);
            const QPointF next = from + (to - from) * (step / left);
            tones[walking].append(QLineF(from, next));
            intoDash += step;
            left -= step;
            from = next;
            if (intoDash >= dash - 1e-9) {
                walking = 1 - walking;
                intoDash = 0.0;
            }
        }
    }
    // The pen's square of device pixels, as the surface's own pens are.
    painter.scale(1.0 / ratio, 1.0 / ratio);
    const int before = thickness / 2;
    for (int dy = -before; dy < thickness - before; ++dy)
        for (int dx = -before; dx < thickness - before; ++dx) {
            painter.save();
            painter.translate(dx, dy);
            for (std::size_t tone = 0; tone < tones.size(); ++tone) {
                painter.setPen(QPen(tone == 0 ? kFarFieldLight : kFarFieldDark, 0.0));
                painter.drawLines(tones[tone].constData(), static_cast<int>(tones[tone].size()));
            }
            painter.restore();
        }
    painter.restore();
    painter.save();
    // The caption above the curve's top, the slits' middle.
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString caption = farFieldCaption();
    const double captionWidth = metrics.horizontalAdvance(caption);
    const double top = (scene::kScreenY - run.tallestBar()) / kTwipsPerPixel * zoom;
    const double centre = run.farFieldCentre() / kTwipsPerPixel * zoom;
    const QRectF box(std::clamp(centre - captionWidth / 2.0, 0.0, std::max(0.0, right - captionWidth)),
                     std::max(0.0, top - metrics.height() - kFarFieldCaptionGap * zoom), captionWidth,
                     metrics.height());
    painter.setPen(kFarFieldDark);
    painter.drawText(box, Qt::AlignCenter, caption);
    painter.restore();
}

} // namespace korvane
